#include "ui/MainWindow.h"

#include "core/base/ErrorBox.h"
#include "core/dictionary/MainDictionary.h"
#include "core/storage/SettingsStore.h"
#include "platform/Fonts.h"
#include "platform/QtSettingsStore.h"
#include "platform/SingleInstance.h"
#include "ui/PostedMessages.h"
#include "ui/article/ArticleView.h"
#include "ui/dialogs/DialogBox.h"
#include "ui/dialogs/DocumentWindow.h"
#include "ui/dialogs/HelpWindow.h"
#include "ui/fulltext/FullTextPanel.h"
#include "ui/lookup/LookupPanel.h"
#include "ui/places/BookmarksPanel.h"
#include "ui/places/HistoryPanel.h"
#include "ui/toolbars/VkrControlBarManager.h"
#include "ui/widgets/OrvelHint.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QMenu>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTimer>

namespace orvel {

namespace {

// The error box handler the window replaced, given back when it goes.
TErrorBoxHandler& PreviousErrorBoxHandler() {
    static TErrorBoxHandler previous;
    return previous;
}

} // namespace

TFormOrvel::TBusyScope::TBusyScope(TFormOrvel& form) : FForm(form), FWasBusy(form.FBusy) {
    FForm.FBusy = true;
}

TFormOrvel::TBusyScope::~TBusyScope() {
    if (FWasBusy)
        return; // an outer scope still holds the window
    FForm.FBusy = false;
    FForm.ScheduleActionUpdate();
    FForm.TakeDroppedLookup();
}

TFormOrvel::TFormOrvel(TEnvironment environment, QWidget* parent)
    : QMainWindow(parent), FEnvironment(std::move(environment)),
      FDictionary(std::make_unique<TMainDictionary>()), FVocabulary(TVocabulary::BuiltIn()) {
    setObjectName(QStringLiteral("FormOrvel"));
    setWindowTitle(QStringLiteral("Orvel"));
    setMinimumSize(200, 200);

    FMissingFonts = LoadOrvelFonts(FEnvironment.Paths.DataFolder()).Missing;
    FSounds.SetBeepPlayer([] {
        QApplication::beep();
        return true;
    });
    PreviousErrorBoxHandler() = SetErrorBoxHandler([this](const std::string& message) {
        TDlgBox::ShowErrorBox(QString::fromUtf8(message), this);
    });
    TOrvelHint::Install();

    CreateControls();
    CreateActions();
    CreateCharTable();
    CreateMenus();
    ConnectControls();

    FEnvironment.Paths.CreateUserFolder();
    ReadWindowState();
    FPreference.LoadPreference(*FEnvironment.Store, OrvelKeyPath);
    ApplyListFonts();
    ApplyBetaCodePreference();
    mnuDebug->menuAction()->setVisible(false);
    UpdateActions();
}

TFormOrvel::~TFormOrvel() {
    // What the base classes do on the way out (closing, the focus leaving the controls) must
    // not call back into this part of the window, which is gone by then.
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(QGuiApplication::clipboard(), nullptr, this, nullptr);
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
    // Nor into the panels: they go now, and their controls, which go with the base classes,
    // find nobody to call.
    delete FLookupPanel;
    delete FArticleView;
    delete FHistoryList;
    delete FBookmarkList;
    delete FFullTextPanel;
    SetErrorBoxHandler(std::move(PreviousErrorBoxHandler()));
    // The lists' items and the dictionary go before the guard is given up.
    FDictionary.reset();
    if (FEnvironment.Guard)
        FEnvironment.Guard->Release();
}

void TFormOrvel::PostMessage(int message, int wParam) {
    QCoreApplication::postEvent(this, new TPostedMessage(message, wParam));
}

bool TFormOrvel::event(QEvent* event) {
    if (event->type() == TPostedMessage::EventType()) {
        const auto* posted = static_cast<TPostedMessage*>(event);
        HandleMessage(posted->Message, posted->WParam);
        return true;
    }
    if (event->type() == QEvent::StatusTip) {
        Guarded(TReport::InternalError,
                [&] { LongHintChanged(static_cast<QStatusTipEvent*>(event)->tip()); });
        return true;
    }
    return QMainWindow::event(event);
}

void TFormOrvel::HandleMessage(int message, int wParam) {
    switch (message) {
    case WM_STARTUP_LOAD:
        Guarded(TReport::Error, [&] { StartupLoad(); });
        break;
    case WM_SEARCH_LINE:
        Guarded(TReport::InternalError, [&] { SearchLine(wParam); });
        break;
    case WM_FOCUS_WORD_LIST:
        Guarded(TReport::InternalError, [&] { FocusWordList(); });
        break;
    case WM_LIST_OPEN:
        Guarded(TReport::InternalError, [&] { ListOpen(wParam); });
        break;
    case WM_WORD_LIST_CLICK:
        Guarded(TReport::InternalError, [&] { WordListClick(wParam); });
        break;
    case WM_WORD_EDIT:
        Guarded(TReport::InternalError, [&] { WordEdit(); });
        break;
    case WM_FULL_TEXT_SEARCH:
        Guarded(TReport::InternalError, [&] { FullTextSearch(wParam); });
        break;
    case WM_ARTICLE_WORD:
        Guarded(TReport::InternalError, [&] { ArticleWord(); });
        break;
    case WM_NOTE_CHANGED:
        Guarded(TReport::InternalError, [&] { NoteChanged(); });
        break;
    default:
        break;
    }
    ScheduleActionUpdate();
}

void TFormOrvel::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (FShownOnce)
        return;
    FShownOnce = true;
    Guarded(TReport::InternalError, [&] {
        if (FEnvironment.Guard)
            FEnvironment.Guard->Announce();
        ControlBarManager->Load();
        ControlBarManager->BuildMenus();
        PageControl->setCurrentIndex(ListWords);
        FArticleView->WindowShown();
        ApplyLeftWidth();
        FLookupPanel->FocusSearchLine();
        PostMessage(WM_STARTUP_LOAD);
    });
}

void TFormOrvel::closeEvent(QCloseEvent* event) {
    if (FBusy || !SaveBookmarksAtClosing()) {
        event->ignore();
        return;
    }
    SaveProgramState();
    if (HelpWindow)
        HelpWindow->close();
    if (DocumentWindow)
        DocumentWindow->close();
    event->accept();
}

} // namespace orvel
