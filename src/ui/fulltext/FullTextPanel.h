// The full-text search's panel: the results list of the page control (ListBoxSearch on its tab
// TabSheetSearch) and the search session behind it, which remembers where Next goes on from.
// A run shows the progress dialog and replaces the list by the hits it found.
#pragma once

#include "core/appmodel/MainActions.h"
#include "core/dictionary/WordDescriptor.h"
#include "core/search/FullTextSearch.h"

#include <QObject>
#include <optional>
#include <string>

class QWidget;

namespace orvel {

class TMainDictionary;
class TWordListBox;

class TFullTextPanel : public QObject {
    Q_OBJECT

public:
    // The list is made without a parent for the window to place.
    TFullTextPanel(TMainDictionary& dictionary, QObject* parent);

    QWidget* Control() const;

    // Empties the list, then searches key (going on from the last hit with continueSearch) in
    // the modal progress dialog over window, and fills the list with the hits. Answers the
    // search's error message, empty when there was none.
    QString Run(const std::string& key, bool continueSearch, int32_t hitLimit, QWidget* window);

    int Count() const;
    // Selects the first hit, when there is one.
    void SelectFirst();
    std::optional<TWordDescriptor> SelectedWord() const;
    void FocusList();
    void SetListFont(int pointSize, bool bold);

    // Whether Next has a place to go on from.
    bool CanContinue() const { return FSession.LastFound >= 0; }
    void AddActionState(TMainWindowState& state) const;

signals:
    void OpenRequested(); // Enter or a double click on a hit

private:
    TMainDictionary& FDictionary;
    TSearchSession FSession;
    TWordListBox* ListBoxSearch;
};

} // namespace orvel
