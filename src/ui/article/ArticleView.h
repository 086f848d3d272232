// The article view: the article pane, where articles are shown with a search hit marked or a
// saved selection restored, and below it the note pane with its header, shown only while the
// article has a note. It renders what it shows with the preferences and the vocabulary, copies
// its selection and switches between running text and meanings listed one below the other.
//
// The note pane shows one of the article's notes at a time: those of notes files, in the order
// of the article's note chain (the latest attached first). Its header names the notes file of
// the note shown and steps to the previous and next note. The panel keeps the height the user
// gave it across articles without notes.
//
// A double click in either pane is two left presses less than 800 ms and 4 pixels apart; it and
// Enter ask the window to act on the word at the article pane's caret.
#pragma once

#include "core/appmodel/MainActions.h"
#include "core/article/ArticleWord.h"
#include "ui/article/ArticleTarget.h"

#include <QObject>
#include <QString>
#include <array>
#include <string>
#include <string_view>
#include <vector>

class QHeaderView;
class QPoint;
class QSplitter;
class QWidget;

namespace orvel {

class TArticlePane;
class TImageList;
class TMainDictionary;
class TPreference;
class TUserArticle;
class TVocabulary;
class TWordDescriptor;

// The word at the article pane's caret: its text as the pane shows it (non-breaking spaces as
// blanks) and its language.
struct TArticleWord {
    QString Text;
    TWordLanguage Language = TWordLanguage::Russian;
};

class TArticleView : public QObject {
    Q_OBJECT

public:
    // The panes are made in a splitter without a parent for the window to place.
    TArticleView(const TMainDictionary& dictionary, const TPreference& preference,
                 const TVocabulary& vocabulary, QObject* parent);

    // The splitter of the article and note panes, for the window's layout.
    QWidget* Control() const;

    // The article shown; -1 while the pane shows something else.
    int32_t ArticleIndex() const { return FArticleIndex; }
    // Shows the target's article (target.Index an article of the dictionary) with the mark or
    // the saved selection, and gives the pane holding them the focus: the note pane when the
    // target lies in a note of the article's notes file of that name, else the article pane
    // (with nothing selected when the note is not found).
    void OpenArticle(const TArticleTarget& target);
    // Renders an article into the article pane, marking markLength bytes at markStart, and
    // shows its first note.
    void ShowArticle(int32_t index, int32_t markStart, int32_t markLength);
    // Renders the shown article again, as after a change of the preferences.
    void ShowArticleAgain();
    // Shows an RTF document that is no article (the readme); false, leaving the pane as it was,
    // when the bytes are no RTF.
    bool ShowDocument(std::string_view rtf);
    // Shows text of the article format that is no article of the dictionary; an empty text
    // empties the pane.
    void ShowText(const std::string& text);
    // Shows characters as they are, in Arial.
    void ShowRawText(const QString& text);

    // Gives place the selection of the pane that has it, as a bookmark keeps it.
    void SelectionPlace(TWordDescriptor& place) const;

    void SelectAll();
    // Puts the article pane's selection on the clipboard as RTF and as Unicode text.
    void CopySelection();
    // Puts the note pane's selection on the clipboard in the control's own formats.
    void CopyNoteSelection();

    // The article pane has the focus.
    bool ArticlePaneFocused() const;
    // Gives the article pane the focus and repaints it.
    void FocusArticlePane();
    // Selects the word at the article pane's caret and answers it; an empty text when there is
    // none.
    TArticleWord TakeArticleWord();
    // Leaves the caret at the start of the article pane's selection.
    void ClearArticleSelection();

    // The note pane. Shows the article's first note, or hides the panel when it has none.
    void RefreshNotePane();
    // Makes the note of that notes file current, from the current one on, and shows it with
    // the mark; false when the article has no such note.
    bool SelectNote(const std::string& notesFileName, int32_t markStart, int32_t markLength);
    // Renders the current note into the note pane, marking markLength bytes at markStart.
    void ShowCurrentNote(int32_t markStart, int32_t markLength);
    // The note after (or before) the given one among the article's notes; with no note given,
    // the first for next and none for previous. Null when there is none.
    TUserArticle* NeighbourNote(const TUserArticle* note, bool next) const;
    TUserArticle* CurrentNote() const { return FCurrentNote; }
    // The height the note panel takes when it is shown.
    int NoteHeight() const { return FNoteHeight; }
    // The image a section of the note header shows (NoteImages.h); -1 for none.
    int NoteHeaderImage(int section) const { return FHeaderImages[size_t(section)]; }
    // When the note pane is shown, has the focus and shows a note: that note's notes file name
    // and the pane's selection.
    bool NoteSelection(std::string& notesFileName, int32_t& start, int32_t& length) const;
    // Meanings listed one below the other, or running text.
    void SetEnumeratedView(bool enumerated);

    // The window is shown for the first time: no note yet, typing in the display font.
    void WindowShown();

    // The view's part of what the actions' rules look at.
    void AddActionState(TMainWindowState& state) const;

signals:
    void StateChanged(); // something the actions' rules look at changed
    void ContextMenuRequested(const QPoint& globalPosition);
    void NoteMenuRequested(const QPoint& globalPosition);
    // A double click or Enter in either pane: the window is to act on the word at the caret.
    void ArticleWordRequested();
    // A click on the note header's first section: the note shown is to be edited.
    void NoteEditRequested();

private:
    // Turns the mark of a hit into the selection, or restores a saved selection.
    void MarkTargetPane(TArticlePane* pane, bool mark, int32_t start, int32_t length);
    void LeftPressed(const QPoint& globalPosition, quint64 timestamp);
    // The article's notes that the note pane shows and browses, in chain order.
    std::vector<TUserArticle*> VisibleNotes() const;
    void ShowNotePanel();
    void HideNotePanel();
    void UpdateNoteHeader();
    void NoteHeaderClicked(int section);
    void SetHeaderSection(int section, const QString& text, int image);

    const TMainDictionary& FDictionary;
    const TPreference& FPreference;
    const TVocabulary& FVocabulary;
    int32_t FArticleIndex = -1;
    TUserArticle* FCurrentNote = nullptr;
    int FNoteHeight = 64;
    // The last left press in either pane: when (the event's clock, milliseconds) and where.
    quint64 FClickTick = 0;
    int FClickX = 0;
    int FClickY = 0;
    bool FClicked = false; // a press has been recorded
    std::array<int, 3> FHeaderImages{-1, -1, -1};
    QSplitter* SplitterNote;
    TArticlePane* RichEditArticle;
    QWidget* PanelNote;
    QHeaderView* HeaderControlNote;
    TImageList* ImageListNote;
    TArticlePane* RichEditNote;
};

} // namespace orvel
