// The bookmarks panel: the current bookmark set in a list (ListBoxBookmarks) sorted by the
// bookmarks' keys, with its changes, its file and the keys typed into it. Typed letters jump to
// the next bookmark starting with the Greek letter the key types; Enter or a double click asks
// for the selected bookmark to be opened, the right button for the list's pop-up menu.
#pragma once

#include "core/dictionary/WordDescriptor.h"
#include "core/places/BookmarkList.h"

#include <QObject>
#include <optional>
#include <string>

class QPoint;
class QWidget;

namespace orvel {

class TWordListBox;

class TBookmarksPanel : public QObject {
    Q_OBJECT

public:
    // The list is made without a parent for the window to place.
    explicit TBookmarksPanel(QObject* parent);

    QWidget* Control() const;
    const TBookmarkList& Bookmarks() const { return FBookmarks; }
    // The set differs from its file.
    bool Modified() const { return FBookmarks.Modified(); }

    // Adds a place, or gives the bookmark of the same place its selection.
    TBookmarkAddOutcome Add(const TWordDescriptor& place);
    // Removes the selected bookmark and selects the one then at its position (the new last one
    // when the last went); false when none was selected.
    bool RemoveSelected();
    void RemoveAll();
    // Empties the list as a set without a file.
    void Clear();
    // Replaces the set by a file's (see TBookmarkList::Load); the list shows what was read.
    void Load(const std::string& fileName);
    void Save(const std::string& fileName);

    bool HasSelectedWord() const;
    std::optional<TWordDescriptor> SelectedWord() const;
    void SelectRow(int row);
    void FocusList();
    void SetListFont(int pointSize, bool bold);

signals:
    void OpenRequested(); // Enter or a double click on a bookmark
    void ContextMenuRequested(const QPoint& globalPosition);
    void StateChanged(); // the selection changed

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refill();

    TBookmarkList FBookmarks;
    TWordListBox* ListBoxBookmarks;
};

} // namespace orvel
