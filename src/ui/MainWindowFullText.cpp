// The full-text search of the main window: Search and Next, which post WM_FULL_TEXT_SEARCH, and
// its handler, which runs the search in the progress dialog, opens the first hit and reports
// what was found.
#include "core/dictionary/MainDictionary.h"
#include "ui/MainWindow.h"
#include "ui/PostedMessages.h"
#include "ui/fulltext/FullTextPanel.h"
#include "ui/lookup/LookupPanel.h"

#include <QAction>
#include <QTabWidget>

namespace orvel {

namespace {

// The help topic of a failed full-text search.
constexpr int FullTextSearchHelpTopic = 210;

} // namespace

void TFormOrvel::CreateFullTextActions() {
    QAction* search = MakeAction(TMainAction::SearchText);
    connect(search, &QAction::triggered, this, [this] {
        if (!FBusy)
            PostMessage(WM_FULL_TEXT_SEARCH, 0);
    });
    QAction* next = MakeAction(TMainAction::SearchTextContinue);
    connect(next, &QAction::triggered, this, [this] {
        if (!FBusy)
            PostMessage(WM_FULL_TEXT_SEARCH, SEARCH_CONTINUE);
    });
}

void TFormOrvel::FullTextSearch(int flags) {
    if (FBusy || !FLoaded)
        return;
    // Blanks stay in the key: they separate the words of a phrase.
    const std::string key = FLookupPanel->BuildSearchKey(true);
    if (key.empty())
        return;
    PageControl->setCurrentIndex(ListSearch);
    StatusInfo(QStringLiteral("Поиск"));
    QString error;
    {
        // The dialog lets the window's posted messages through while it scans; busy, the window
        // drops them instead of starting a second search or moving the panes under this one.
        TBusyScope busy(*this);
        error =
            FFullTextPanel->Run(key, flags & SEARCH_CONTINUE, FPreference.ListSearchMaxCount, this);
    }
    if (FFullTextPanel->Count() > 0) {
        FFullTextPanel->SelectFirst();
        ListOpen(ListSearch);
        StatusInfo(QStringLiteral("Найдено слов: ") + QString::number(FFullTextPanel->Count()));
    } else {
        StatusWarning(QStringLiteral("Указанное слово не найдено"));
    }
    if (!error.isEmpty())
        StatusError(error, FullTextSearchHelpTopic);
}

} // namespace orvel
