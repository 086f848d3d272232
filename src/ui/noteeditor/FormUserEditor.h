// The note editor: a modal window in which the user writes the note of one article as
// formatted text. At the left the notes of the same notes file (a window of them around the
// current note, paged through by selecting the first or last row); at the right the text, typed
// in the format the Format and Insert actions set. Save converts the text into the article
// format and stores it in the note; closing drops an empty note and sorts and writes the notes
// file when it changed. While the text is modified the list is disabled, so another note is
// opened only after this one is saved or reloaded.
#pragma once

#include "core/appmodel/NoteEditorActions.h"
#include "core/appmodel/StatusMessages.h"
#include "core/notes/NoteFormat.h"
#include "platform/Sounds.h"

#include <QDialog>
#include <array>
#include <exception>
#include <functional>
#include <optional>
#include <string>

class QAction;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QMenuBar;
class QSplitter;
class QTimer;
class QToolBar;

namespace orvel {

class TInputModeFilter;
class TImageList;
class TNoteRichEdit;
class TPreference;
class TUserArticle;
class TUserDictionary;
class TVkrStatusBar;
class TVocabulary;

// The messages the editor posts to itself.
inline constexpr int WM_NOTE_SAVE = 3024;     // 0 save and stay, 1 save and close
inline constexpr int WM_NOTE_KEYBOARD = 3025; // 1 Russian keyboard, 0 the Latin one

class TFormUserEditor : public QDialog {
    Q_OBJECT

public:
    // The format of typed and inserted text.
    struct TFormat {
        TNoteLanguage Language = TNoteLanguage::Russian;
        TNoteStyle Style = TNoteStyle::Normal;
        std::optional<uint32_t> Color; // none: the window's text colour
        double Size = 0;               // points
    };

    // What the editor asks its opener for: Greek composed in the Greek table, symbols from the
    // special table, a help topic shown. Unset ones do nothing.
    struct TServices {
        std::function<std::optional<std::string>()> ComposeGreek;
        std::function<std::optional<std::string>()> ComposeSymbols;
        std::function<void(int topic)> ShowHelp;
    };

    // The note (never null) belongs to a notes file; the editor edits it and the file's notes.
    TFormUserEditor(TUserArticle* note, const TPreference& preference,
                    const TVocabulary& vocabulary, TServices services, QWidget* parent = nullptr);
    ~TFormUserEditor() override;

    // The width of the list in percent of the window's, kept while the program runs.
    static int ListWidthPercent;

    TUserArticle* Note() const { return FNote; }
    bool Busy() const { return FBusy; }
    const TFormat& Format() const { return FFormat; }
    bool Modified() const;
    QAction* Action(TEditorAction action) const { return FActions[size_t(action)]; }
    // The notes the list shows, top to bottom.
    int ListFirstNote() const;
    int ListRowCount() const;
    int ListSelectedNote() const;
    // The keyboard's language: true for the Russian layout.
    bool RussianKeyboard() const;

    // Lists the notes around the note at index of the notes file and selects it.
    void ShowList(int index);
    // Shows the current note's stored text, dropping the edits.
    void ShowNote();
    // Sets the format of what is typed next (and of the selection).
    void SetFormat(TNoteLanguage language, TNoteStyle style, bool reduced,
                   std::optional<uint32_t> color);
    void ApplyFormat(const TFormat& format);
    // Inserts text at the start of the selection in FFormat and leaves the caret after it.
    void InsertText(const QString& text);
    // Deletes the current note; the first note of the file becomes current.
    void DeleteCurrentNote();
    // Reads the attributes at the caret and checks the Format actions by them.
    void TimerFormat();
    void UpdateActions();

    // Posts a message to the window.
    void PostMessage(int message, int wParam = 0);

    // Shows a status message (kind -1 none, 0 information, 2 error, 3 hint, 4 progress).
    void SetStatus(int kind, const QString& text, int helpContext = 0);

    // Asks the closing question and the retry question of a failed save; tests replace it.
    // The answer is TDlgBox::AnswerYes, AnswerNo or AnswerCancel.
    std::function<int(const QString& text)> Ask;

    // The controls, by their names.
    QListWidget* ListBox = nullptr;
    QSplitter* Splitter = nullptr;
    TNoteRichEdit* RichEdit = nullptr;
    TVkrStatusBar* StatusBar = nullptr;
    QTimer* TimerFormatControl = nullptr;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

public:
    // Every way of closing comes here: refused while busy; a modified text asks first; the
    // notes file is written before the window closes.
    void done(int result) override;

private:
private:
    // Creation (FormUserEditor.cpp).
    void CreateControls();
    void CreateActions();
    void CreateMenus(QMenuBar* bar);
    QAction* MakeAction(TEditorAction action);
    template <typename Work>
    void Run(Work&& work);

    // The text (FormUserEditorText.cpp).
    void Opening();
    void SaveNote(bool closeAfter);
    void InsertPicked(TEditorAction action);
    void InsertSeparator();
    void InsertSymbols();
    void InsertGreek();
    void InsertSpecialChar(char16_t character);
    void SwitchKeyboard(bool russian);
    void StatusProgress(const QString& text);

    // The list and closing (FormUserEditorList.cpp).
    void ListRowSelected();
    void OpenListRow();
    void UpdateListEnabling();
    // Drops an empty note, sorts and writes the notes file when it changed; false when the
    // user chose to stay after a failed write.
    bool CloseNotes();
    void MakeCurrentNoteAgain(int32_t articleIndex);

    TUserArticle* FNote;
    TUserDictionary* FNotes;
    const TPreference& FPreference;
    const TVocabulary& FVocabulary;
    TServices FServices;
    TSounds FSounds;
    bool FBusy = false;
    bool FOpened = false;
    bool FClosing = false; // the closing steps ran: the window may close
    TFormat FFormat;
    TFormat FSavedFormat;
    TStatusMessage FStatus; // the last status message, shown again after a hint
    std::array<QAction*, EditorActionCount> FActions{};
    TInputModeFilter* FInputMode = nullptr;
    QTimer* FActionTimer = nullptr;
    TImageList* ImageListStatusBar = nullptr;
    QMenu* PopupMenuList = nullptr;
    QMenu* PopupMenuText = nullptr;
};

// Runs an action's work unless the window is busy; what it throws is shown in the status line
// rather than reaching the event loop.
template <typename Work>
void TFormUserEditor::Run(Work&& work) {
    if (FBusy)
        return;
    try {
        work();
    } catch (const std::exception& error) {
        SetStatus(int(TStatusKind::Error),
                  QStringLiteral("Internal error: ") + QString::fromUtf8(error.what()));
    }
}

} // namespace orvel
