// What other programs ask of the window (the bus object and the command line) and the saving
// of the program's state that closing and OrvelSave share.
#include "core/appmodel/ExternalWord.h"
#include "platform/QtSettingsStore.h"
#include "ui/MainWindow.h"
#include "ui/PostedMessages.h"
#include "ui/automation/OrvelDictionary.h"
#include "ui/lookup/LookupPanel.h"
#include "ui/toolbars/VkrControlBarManager.h"

namespace orvel {

bool TFormOrvel::PublishAutomation() {
    if (!FAutomation)
        FAutomation = new TOrvelDictionary(*this);
    return FAutomation->Register();
}

void TFormOrvel::LookUpWord(const QString& word) {
    if (!FLoaded)
        return;
    const std::string display = ExternalWordToDisplay(word.toStdString());
    if (display.empty())
        return;
    FLookupPanel->EnterGreekWord(QString::fromLatin1(display.data(), qsizetype(display.size())));
    PostMessage(WM_SEARCH_LINE, SEARCH_ACTIVATE | SEARCH_SHOW);
}

bool TFormOrvel::OrvelSave() {
    // Changed bookmarks are saved as at closing; a failed write is answered as an error.
    const bool bookmarksSaved =
        !FPreference.CommonAutoLoadSave || !BookmarksModified() || SaveBookmarks();
    SaveProgramState();
    return bookmarksSaved;
}

void TFormOrvel::SaveProgramState() {
    Guarded(TReport::Error, [&] {
        WriteWindowState();
        ControlBarManager->Save();
        FPreference.SavePreference(*FEnvironment.Store, OrvelKeyPath);
        if (auto* store = dynamic_cast<TQtSettingsStore*>(FEnvironment.Store.get()))
            store->Sync();
    });
}

} // namespace orvel
