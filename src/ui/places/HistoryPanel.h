// The history panel: the list of the articles opened in this run (ListBoxGoto), newest first,
// with the newest selected. Enter or a double click asks for the selected article to be opened.
#pragma once

#include "core/dictionary/WordDescriptor.h"
#include "core/places/History.h"

#include <QObject>
#include <optional>
#include <string>

class QWidget;

namespace orvel {

class TWordListBox;

class THistoryPanel : public QObject {
    Q_OBJECT

public:
    // The list is made without a parent for the window to place.
    explicit THistoryPanel(QObject* parent);

    QWidget* Control() const;

    // Puts the article at the top of the history (see THistory::Add) and selects it.
    void AddToHistory(int32_t articleIndex, std::string headWord, int32_t maxCount);
    const THistory& History() const { return FHistory; }

    bool HasSelectedWord() const;
    std::optional<TWordDescriptor> SelectedWord() const;
    void FocusList();
    void SetListFont(int pointSize, bool bold);

signals:
    void OpenRequested(); // Enter or a double click on an article

private:
    THistory FHistory;
    TWordListBox* ListBoxGoto;
};

} // namespace orvel
