// The article view: the article pane, where articles are shown with a search hit marked or a
// saved selection restored, and below it the note pane with its header, shown only while the
// article has a note. It renders what it shows with the preferences and the vocabulary, copies
// its selection and switches between running text and meanings listed one below the other.
#pragma once

#include "core/appmodel/MainActions.h"
#include "ui/article/ArticleTarget.h"

#include <QObject>
#include <string>
#include <string_view>

class QHeaderView;
class QPoint;
class QSplitter;
class QWidget;

namespace orvel {

class TArticlePane;
class TMainDictionary;
class TPreference;
class TVocabulary;
class TWordDescriptor;

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
    // the saved selection, and gives the article pane the focus.
    void OpenArticle(const TArticleTarget& target);
    // Renders an article into the article pane, marking markLength bytes at markStart.
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
    // Meanings listed one below the other, or running text.
    void SetEnumeratedView(bool enumerated);

    // The window is shown for the first time: no note yet, typing in the display font.
    void WindowShown();

    // The view's part of what the actions' rules look at.
    void AddActionState(TMainWindowState& state) const;

signals:
    void StateChanged(); // something the actions' rules look at changed
    void ContextMenuRequested(const QPoint& globalPosition);

private:
    // Turns the mark of a hit into the selection, or restores a saved selection.
    void MarkTargetPane(TArticlePane* pane, bool mark, int32_t start, int32_t length);

    const TMainDictionary& FDictionary;
    const TPreference& FPreference;
    const TVocabulary& FVocabulary;
    int32_t FArticleIndex = -1;
    QSplitter* SplitterNote;
    TArticlePane* RichEditArticle;
    QWidget* PanelNote;
    QHeaderView* HeaderControlNote;
    TArticlePane* RichEditNote;
};

} // namespace orvel
