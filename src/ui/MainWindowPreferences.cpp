// The settings dialog from the main window (F9): OK makes the dialog's copy the program's
// preferences and applies them at once.
#include "ui/MainWindow.h"
#include "ui/preferences/FormPreference.h"

#include <QAction>

namespace orvel {

void TFormOrvel::CreatePreferenceActions() {
    connect(MakeAction(TMainAction::OrvelPreference), &QAction::triggered, this,
            [this] { Guarded(TReport::InternalError, [&] { ShowPreferences(-1); }); });
}

void TFormOrvel::ShowPreferences(int page) {
    TFormPreference dialog(
        FPreference, page, Paths().UserFolder(), [this](int topic) { ShowHelp(topic); }, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    FPreference.Assign(dialog.Copy());
    ApplyListFonts();
    UpdateActions();
}

} // namespace orvel
