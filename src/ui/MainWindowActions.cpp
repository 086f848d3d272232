// The main window's commands: actions with their hints and enabling rules, the menus, the
// pop-up menus and the tool bars that point to them, and the wiring of the panels.
#include "core/appmodel/MainActions.h"
#include "platform/Clipboard.h"
#include "ui/MainWindow.h"
#include "ui/PostedMessages.h"
#include "ui/article/ArticleView.h"
#include "ui/fulltext/FullTextPanel.h"
#include "ui/lookup/LookupPanel.h"
#include "ui/places/BookmarksPanel.h"
#include "ui/places/HistoryPanel.h"
#include "ui/toolbars/VkrControlBarManager.h"
#include "ui/widgets/ToolIcons.h"
#include "ui/widgets/VkrStatusBar.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

namespace orvel {

namespace {

using A = TMainAction;

// Whether the clipboard offers something the search line can take: Orvel's own format, RTF
// or text.
bool ClipboardOffersText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return false;
    for (const char* type :
         {OrvelRichTextMimeType, RtfMimeType, "application/rtf", "text/richtext"})
        if (data->hasFormat(QString::fromLatin1(type)))
            return true;
    return data->hasText() && !data->text().isEmpty();
}

} // namespace

QAction* TFormOrvel::MakeAction(TMainAction action) {
    const TMainActionInfo& info = MainActionInfo(action);
    auto* qaction = new QAction(QString::fromUtf8(info.Caption), this);
    qaction->setObjectName(QString::fromLatin1(info.Name));
    if (*info.Shortcut)
        qaction->setShortcut(QKeySequence(QString::fromLatin1(info.Shortcut)));
    const THintParts hint = SplitHint(info.Hint);
    qaction->setToolTip(QString::fromUtf8(hint.Short, qsizetype(hint.ShortLength)));
    qaction->setStatusTip(QString::fromUtf8(hint.Long));
    qaction->setIcon(ToolIcon(action));
    qaction->setIconVisibleInMenu(false);
    addAction(qaction); // the shortcut works wherever the focus is in the window
    FActions[size_t(action)] = qaction;
    return qaction;
}

void TFormOrvel::CreateActions() {
    // The actions of the commands this window offers; the others have no action yet and so
    // appear in no menu. Go to Word has none on this platform: Microsoft Word does not run here.
    auto guarded = [this](TReport report, void (TFormOrvel::*handler)()) {
        return [this, report, handler] { Guarded(report, [&] { (this->*handler)(); }); };
    };
    connect(MakeAction(A::OrvelExit), &QAction::triggered, this, [this] { close(); });
    CreateFullTextActions();
    CreatePreferenceActions();
    connect(MakeAction(A::SearchGreek), &QAction::triggered, this,
            guarded(TReport::InternalError, &TFormOrvel::SearchGreek));
    connect(MakeAction(A::SearchRussian), &QAction::triggered, this,
            guarded(TReport::InternalError, &TFormOrvel::SearchRussian));
    connect(MakeAction(A::SearchSelectAll), &QAction::triggered, this,
            guarded(TReport::InternalError, &TFormOrvel::SearchSelectAll));
    connect(MakeAction(A::SearchCopy), &QAction::triggered, this,
            guarded(TReport::InternalError, &TFormOrvel::SearchCopy));
    connect(MakeAction(A::SearchPaste), &QAction::triggered, this,
            guarded(TReport::InternalError, &TFormOrvel::SearchPaste));
    CreateNoteActions();
    connect(MakeAction(A::NoteCopy), &QAction::triggered, this, [this] {
        Guarded(TReport::InternalError, [&] { FArticleView->CopyNoteSelection(); });
    });
    CreateBookmarkActions();
    MakeAction(A::ViewCharTable);
    QAction* meanings = MakeAction(A::ViewArticleEnum);
    meanings->setCheckable(true);
    connect(meanings, &QAction::triggered, this, [this](bool checked) {
        Guarded(TReport::InternalError, [&] { ViewArticleEnum(checked); });
    });
    connect(MakeAction(A::HelpContent), &QAction::triggered, this,
            [this] { Guarded(TReport::InternalError, [&] { ShowHelp(0); }); });
    connect(MakeAction(A::HelpAbout), &QAction::triggered, this,
            guarded(TReport::InternalError, &TFormOrvel::HelpAbout));
    const std::pair<A, TDocument> documents[] = {
        {A::HelpOrvel, TDocument::Orvel},
        {A::HelpReadme, TDocument::Readme},
        {A::HelpLicense, TDocument::License},
        {A::HelpTroubleshooting, TDocument::Troubleshooting},
    };
    for (const auto& [action, document] : documents)
        connect(MakeAction(action), &QAction::triggered, this, [this, document] {
            Guarded(TReport::InternalError, [&] { OpenDocument(document); });
        });

    FActionTimer = new QTimer(this);
    FActionTimer->setSingleShot(true);
    FActionTimer->setInterval(0);
    connect(FActionTimer, &QTimer::timeout, this,
            [this] { Guarded(TReport::InternalError, [&] { UpdateActions(); }); });
}

// A menu of the menu bar, named so that the tool bar layout can show and hide it.
QMenu* TFormOrvel::AddMenu(const QString& caption, const QString& name) {
    QMenu* menu = MenuBar->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

void TFormOrvel::CreateMenus() {
    // The menu bar stands on a tool bar of its own, which the user can move and hide like the
    // others.
    ToolBarMenu = addToolBar(QStringLiteral("Menu"));
    ToolBarMenu->setObjectName(QStringLiteral("ToolBarMenu"));
    MenuBar = new QMenuBar(ToolBarMenu);
    MenuBar->setObjectName(QStringLiteral("MainMenu"));
    MenuBar->setNativeMenuBar(false);
    ToolBarMenu->addWidget(MenuBar);
    addToolBarBreak();

    QMenu* orvel = AddMenu(QStringLiteral("&Orvel"), QStringLiteral("mnuOrvel"));
    orvel->addAction(Action(A::OrvelPreference));
    orvel->addSeparator();
    orvel->addAction(Action(A::OrvelExit));

    QMenu* search = AddMenu(QStringLiteral("&Search"), QStringLiteral("mnuSearch"));
    search->addAction(Action(A::SearchText));
    search->addAction(Action(A::SearchTextContinue));
    search->addSeparator();
    search->addAction(Action(A::SearchGreek));
    search->addAction(Action(A::SearchRussian));
    search->addSeparator();
    search->addAction(Action(A::SearchCopy));
    search->addAction(Action(A::SearchPaste));

    CreateBookmarkMenu();

    QMenu* notes = AddMenu(QStringLiteral("&Notes"), QStringLiteral("mnuNotes"));
    notes->addAction(Action(A::NoteAdd));
    notes->addAction(Action(A::NoteEdit));
    notes->addAction(Action(A::NoteCopy));

    QMenu* view = AddMenu(QStringLiteral("&View"), QStringLiteral("mnuView"));
    view->addAction(Action(A::ViewCharTable));
    view->addAction(Action(A::ViewArticleEnum));
    view->addAction(actSearchBetaCode);

    QMenu* help = AddMenu(QStringLiteral("&?"), QStringLiteral("mnuHelp"));
    help->addAction(Action(A::HelpContent));
    help->addAction(Action(A::HelpAbout));
    mnuDebug = help->addMenu(QString::fromUtf8("Отладка"));
    mnuDebug->setObjectName(QStringLiteral("mnuDebug"));
    mnuDebug->addAction(QString::fromUtf8("Переход к статье по номеру"));
    connect(mnuDebug->addAction(QString::fromUtf8("Трансляция слова")), &QAction::triggered, this,
            [this] { Guarded(TReport::Error, [&] { DebugTranslateWord(); }); });
    connect(mnuDebug->addAction(QString::fromUtf8("Получение rtf-текста из Clipboard")),
            &QAction::triggered, this,
            [this] { Guarded(TReport::Error, [&] { DebugClipboardRtf(); }); });
    connect(mnuDebug->addAction(QString::fromUtf8("Сохранение статьи в файл test.rtf")),
            &QAction::triggered, this,
            [this] { Guarded(TReport::Error, [&] { DebugSaveArticle(); }); });
    connect(mnuDebug->addAction(QStringLiteral("Hints for Actions")), &QAction::triggered, this,
            [this] { Guarded(TReport::Error, [&] { DebugHintsForActions(); }); });
    help->addSeparator();
    help->addAction(Action(A::HelpOrvel));
    help->addAction(Action(A::HelpReadme));
    help->addAction(Action(A::HelpLicense));
    help->addAction(Action(A::HelpTroubleshooting));

    PopupMenuSearch = new QMenu(this);
    PopupMenuSearch->setObjectName(QStringLiteral("PopupMenuSearch"));
    PopupMenuSearch->addAction(Action(A::SearchText));
    PopupMenuSearch->addAction(Action(A::SearchTextContinue));
    PopupMenuSearch->addSeparator();
    PopupMenuSearch->addAction(Action(A::SearchGreek));
    PopupMenuSearch->addAction(Action(A::SearchRussian));
    PopupMenuSearch->addSeparator();
    PopupMenuSearch->addAction(Action(A::SearchPaste));
    PopupMenuSearch->addSeparator();
    PopupMenuSearch->addAction(Action(A::ViewCharTable));

    PopupMenuArticle = new QMenu(this);
    PopupMenuArticle->setObjectName(QStringLiteral("PopupMenuArticle"));
    PopupMenuArticle->addAction(Action(A::BookmarkAdd));
    PopupMenuArticle->addAction(Action(A::NoteAdd));
    PopupMenuArticle->addSeparator();
    PopupMenuArticle->addAction(Action(A::SearchSelectAll));
    PopupMenuArticle->addAction(Action(A::SearchCopy));

    PopupMenuNote = new QMenu(this);
    PopupMenuNote->setObjectName(QStringLiteral("PopupMenuNote"));
    PopupMenuNote->addAction(Action(A::BookmarkAdd));
    PopupMenuNote->addSeparator();
    PopupMenuNote->addAction(Action(A::NoteEdit));
    PopupMenuNote->addAction(Action(A::NoteCopy));

    ToolBarMain = addToolBar(QStringLiteral("Main"));
    ToolBarMain->setObjectName(QStringLiteral("ToolBarMain"));
    ToolBarText = addToolBar(QStringLiteral("Text"));
    ToolBarText->setObjectName(QStringLiteral("ToolBarText"));
    ToolBarUser = addToolBar(QStringLiteral("Notes"));
    ToolBarUser->setObjectName(QStringLiteral("ToolBarUser"));
    for (QToolBar* toolBar : {ToolBarMenu, ToolBarMain, ToolBarText, ToolBarUser}) {
        toolBar->setIconSize(QSize(24, 24));
        toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        toolBar->setAllowedAreas(Qt::TopToolBarArea);
        toolBar->setFloatable(false);
    }
    const std::pair<QToolBar*, A> buttons[] = {
        {ToolBarMain, A::SearchText},      {ToolBarMain, A::SearchTextContinue},
        {ToolBarMain, A::BookmarkAdd},     {ToolBarMain, A::ViewCharTable},
        {ToolBarMain, A::ViewArticleEnum}, {ToolBarText, A::SearchGreek},
        {ToolBarText, A::SearchRussian},   {ToolBarText, A::SearchCopy},
        {ToolBarText, A::SearchPaste},     {ToolBarUser, A::NoteAdd},
        {ToolBarUser, A::NoteEdit},
    };
    for (const auto& [toolBar, action] : buttons)
        AddToolButton(toolBar, Action(action));

    ControlBarManager =
        new TVkrControlBarManager(this, *FEnvironment.Store, QStringLiteral("Dorne"),
                                  QStringLiteral("Orvel"), QStringLiteral("ControlBar"));
    CreateToolBarMenus(view);
}

// View › Tool Bars and View › Tool Buttons, filled as they open so that the checks are current.
void TFormOrvel::CreateToolBarMenus(QMenu* view) {
    view->addSeparator();
    QMenu* toolBars = view->addMenu(QStringLiteral("&Tool Bars"));
    toolBars->setObjectName(QStringLiteral("mnuToolBars"));
    connect(toolBars, &QMenu::aboutToShow, this, [this, toolBars] {
        toolBars->clear();
        ControlBarManager->FillToolBarMenu(toolBars);
    });
    QMenu* buttons = view->addMenu(QStringLiteral("Tool &Buttons"));
    buttons->setObjectName(QStringLiteral("mnuToolButtons"));
    const QList<QToolBar*> managed = ControlBarManager->ToolBars();
    for (qsizetype i = 0; i < managed.size(); ++i) {
        QMenu* ofBar = buttons->addMenu(managed[i]->windowTitle());
        connect(ofBar, &QMenu::aboutToShow, this, [this, ofBar, i] {
            ofBar->clear();
            ControlBarManager->FillButtonMenu(ofBar, int(i));
        });
    }
}

void TFormOrvel::ConnectControls() {
    TLookupPanel* lookup = FLookupPanel;
    connect(lookup, &TLookupPanel::SearchLineEdited, this,
            [this] { PostMessage(WM_SEARCH_LINE, SEARCH_WORDS_TAB); });
    connect(lookup, &TLookupPanel::SearchLineEntered, this,
            [this] { PostMessage(WM_SEARCH_LINE, SEARCH_SHOW); });
    connect(lookup, &TLookupPanel::WordListWanted, this,
            [this] { PostMessage(WM_FOCUS_WORD_LIST); });
    connect(lookup, &TLookupPanel::SearchLineMenuRequested, this,
            [this](const QPoint& at) { PopupMenuSearch->popup(at); });
    connect(lookup, &TLookupPanel::SearchLineFocused, this,
            [this] { Guarded(TReport::InternalError, [&] { SearchLineFocusEntered(); }); });
    connect(lookup, &TLookupPanel::WordOpenRequested, this,
            [this] { PostMessage(WM_LIST_OPEN, ListWords); });
    connect(lookup, &TLookupPanel::BlockEndReached, this,
            [this](int32_t index) { PostMessage(WM_WORD_LIST_CLICK, index); });
    connect(lookup, &TLookupPanel::StateChanged, this, &TFormOrvel::ScheduleActionUpdate);
    connect(lookup, &TLookupPanel::StatusReported, this, &TFormOrvel::RememberStatus);

    connect(FHistoryList, &THistoryPanel::OpenRequested, this,
            [this] { PostMessage(WM_LIST_OPEN, ListGoto); });
    connect(FBookmarkList, &TBookmarksPanel::OpenRequested, this,
            [this] { PostMessage(WM_LIST_OPEN, ListBookmarks); });
    connect(FBookmarkList, &TBookmarksPanel::ContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenuBookmark->popup(at); });
    connect(FBookmarkList, &TBookmarksPanel::StateChanged, this, &TFormOrvel::ScheduleActionUpdate);
    connect(FFullTextPanel, &TFullTextPanel::OpenRequested, this,
            [this] { PostMessage(WM_LIST_OPEN, ListSearch); });

    connect(FArticleView, &TArticleView::StateChanged, this, &TFormOrvel::ScheduleActionUpdate);
    connect(FArticleView, &TArticleView::ContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenuArticle->popup(at); });
    connect(FArticleView, &TArticleView::NoteMenuRequested, this,
            [this](const QPoint& at) { PopupMenuNote->popup(at); });
    connect(FArticleView, &TArticleView::ArticleWordRequested, this,
            [this] { PostMessage(WM_ARTICLE_WORD); });

    connect(PageControl, &QTabWidget::currentChanged, this,
            [this](int page) { Guarded(TReport::InternalError, [&] { PageChanged(page); }); });

    connect(StatusBar, &TVkrStatusBar::Drawn, this, [this](int kind, const QString& text) {
        Guarded(TReport::InternalError, [&] { StatusBarDraw(kind, text); });
    });
    connect(StatusBar, &TVkrStatusBar::Clicked, this,
            [this] { Guarded(TReport::InternalError, [&] { StatusBarClick(); }); });

    connect(qApp, &QApplication::focusChanged, this, &TFormOrvel::ScheduleActionUpdate);
    // Asking the clipboard is a round trip to its owner: once for each change is enough.
    FClipboardHasText = ClipboardOffersText();
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        FClipboardHasText = ClipboardOffersText();
        ScheduleActionUpdate();
    });
}

void TFormOrvel::ScheduleActionUpdate() {
    if (FActionTimer && !FActionTimer->isActive())
        FActionTimer->start();
}

TMainWindowState TFormOrvel::ActionState() const {
    TMainWindowState state;
    state.Loading = !FLoadingEnded;
    state.Busy = FBusy;
    state.Loaded = FLoaded;
    state.ClipboardHasText = FClipboardHasText;
    state.BookmarksTabActive = PageControl->currentIndex() == ListBookmarks;
    state.BookmarkSelected = FBookmarkList->HasSelectedWord();
    state.CurrentNoteFileSet = !FPreference.CurrentNoteFile.empty();
    state.CharTableAvailable = FormCharTable != nullptr;
    FLookupPanel->AddActionState(state);
    FArticleView->AddActionState(state);
    FFullTextPanel->AddActionState(state);
    return state;
}

void TFormOrvel::UpdateActions() {
    const TMainWindowState state = ActionState();
    for (TMainAction action : MainActions())
        if (QAction* qaction = Action(action))
            qaction->setEnabled(MainActionEnabled(action, state));
}

void TFormOrvel::DisableActionsWithProgress(const QString& text) {
    for (QAction* action : FActions)
        if (action)
            action->setEnabled(false);
    StatusProgress(text);
}

} // namespace orvel
