// The settings dialog: five pages over a copy of the preferences. Every control writes its field
// of the copy as soon as it changes; OK hands the copy to the caller, Cancel drops it. The page
// the user last looked at is remembered for the rest of the run.
#pragma once

#include "core/settings/Preference.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace orvel {

class TFormPreference : public QDialog {
    Q_OBJECT

public:
    // page: 0 to 4, or -1 for the page last shown in this run (0 before any). userFolder is
    // where the notes file chooser starts; showHelp opens a help topic.
    TFormPreference(const TPreference& preference, int page, const QString& userFolder,
                    std::function<void(int topic)> showHelp, QWidget* parent = nullptr);

    static constexpr int HelpTopic = 1010;

    const TPreference& Copy() const { return FCopy; }
    static int RememberedPage() { return FRememberedPage; }

    // Chooses the notes file: a file dialog by default; tests put their own in.
    using TFileChooser = std::function<QString(const QString& folder, const QString& current)>;
    void SetNoteFileChooser(TFileChooser chooser) { FChooser = std::move(chooser); }

private:
    QWidget* CommonPage();
    QWidget* ListPage();
    QWidget* TextPage();
    QWidget* BookmarksPage();
    QWidget* NotesPage();
    QSpinBox* NumberField(int minimum, int maximum, int value, const char* name, const char* hint,
                          std::function<void(int)> store);
    QComboBox* ColourBox(uint32_t colour, const char* name, const char* hint,
                         std::function<void(uint32_t)> store);
    void ChooseNoteFile();

    TPreference FCopy;
    QString FUserFolder;
    TFileChooser FChooser;
    QTabWidget* PageControl = nullptr;
    QLineEdit* edNoteFileName = nullptr;
    static inline int FRememberedPage = 0;
};

} // namespace orvel
