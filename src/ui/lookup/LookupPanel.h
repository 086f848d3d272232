// The lookup panel: the search line, into which the user types a Greek or Russian word, and the
// word list, which shows a block of head words around an article and moves to a new block when
// an item at either end of it is selected. The panel builds the search key from what was typed
// and pastes the clipboard's word into the line; the window decides when to look up, runs the
// lookup and opens articles.
#pragma once

#include "core/appmodel/InputMode.h"
#include "core/appmodel/MainActions.h"
#include "core/appmodel/StatusMessages.h"
#include "core/appmodel/WordListBlock.h"
#include "core/dictionary/WordDescriptor.h"

#include <QObject>
#include <optional>
#include <string>

class QPoint;
class QTextEdit;
class QWidget;

namespace orvel {

class TMainDictionary;
class TPreference;
class TSearchLine;
class TWordListBox;

class TLookupPanel : public QObject {
    Q_OBJECT

public:
    // The search line and the word list are made without a parent for the window to place
    // (the order of placing is the focus order); the hidden buffer of pastes belongs to window.
    TLookupPanel(const TMainDictionary& dictionary, const TPreference& preference, QWidget* window);

    // The controls, for the window's layout.
    QWidget* SearchLineControl() const;
    QWidget* WordListControl() const;

    // The search line.
    void FocusSearchLine();
    // Readies the line for a word in a mode: focused, emptied, the keys following the mode.
    void PrepareInput(TInputMode mode);
    // Readies the line for Greek and puts a word of the display layout into it.
    void EnterGreekWord(const QString& word);
    // Fills the line from the clipboard: at most 32 characters of one font. The line takes the
    // font and charset of the pasted word; the keys stay as they were.
    void PasteToSearchLine(bool allowSpaces);
    // Beta Code typing in the line's Greek mode.
    void SetBetaCode(bool on);
    // The Greek character table's part: the line's text in the display layout with the caret's
    // place in it, the whole line selected; and the composed word put back in Greek mode.
    std::string TextForCharTable(int& caret);
    void TakeComposedWord(const std::string& display, int caret = -1);
    // The search string of the line; empty, after reporting why, when it has none.
    std::string BuildSearchKey(bool forFullText);

    // The word list; the dictionary must be loaded.
    void BuildWordBlock(int32_t centre);
    int32_t ListCenter() const { return FListCenter; }
    const TWordBlock& Block() const { return FBlock; }
    std::optional<TWordDescriptor> SelectedWord() const;
    void FocusWordList();
    void SetListFont(int pointSize, bool bold);

    // The panel's part of what the actions' rules look at.
    void AddActionState(TMainWindowState& state) const;

signals:
    void SearchLineEdited();  // a character typed, or Backspace or Delete released
    void SearchLineEntered(); // Enter released in the line
    void WordListWanted();    // the Down arrow released in the line
    void SearchLineFocused();
    void SearchLineMenuRequested(const QPoint& globalPosition);
    void WordOpenRequested(); // Enter, Space or a double click on a word of the list
    // An item at an end of the block was selected: the list is to move to the block around it.
    void BlockEndReached(int32_t index);
    void StateChanged(); // something the actions' rules look at changed
    void StatusReported(const orvel::TStatusMessage& message);

private:
    void WordListRowChanged(int row);

    const TMainDictionary& FDictionary;
    const TPreference& FPreference;
    TSearchLine* RichEditSearch;
    TWordListBox* ListBoxWords;
    QTextEdit* RichEditClipboard; // converts pasted text; never shown
    bool FBuildingBlock = false;
    int32_t FListCenter = -1;
    TWordBlock FBlock;
};

} // namespace orvel
