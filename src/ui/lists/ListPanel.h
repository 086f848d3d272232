// A list of the page control that shows words and asks for the selected one to be opened, and
// does nothing else yet: the history and the bookmarks each have one until they become panels
// of their own.
#pragma once

#include "core/dictionary/WordDescriptor.h"

#include <QObject>
#include <optional>

class QWidget;

namespace orvel {

class TWordListBox;

class TListPanel : public QObject {
    Q_OBJECT

public:
    // listNumber as WM_LIST_OPEN names the list; name and tabSheet are the control names of the
    // list and of its page. The list is made without a parent for the window to place.
    TListPanel(int listNumber, const QString& name, const QString& tabSheet, QObject* parent);

    QWidget* Control() const;
    int ListNumber() const { return FListNumber; }

    bool HasSelectedWord() const;
    std::optional<TWordDescriptor> SelectedWord() const;
    void FocusList();
    void SetListFont(int pointSize, bool bold);

signals:
    void OpenRequested(); // Enter or a double click on a word

private:
    int FListNumber;
    TWordListBox* ListBox;
};

} // namespace orvel
