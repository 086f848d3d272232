// The Greek character table ("Greek table"): every glyph of Orvel000 in a grid, from which a
// Greek word is composed for the search line or for a note. The main window keeps one for the
// whole run and shows it again each time.
#pragma once

#include "ui/chartable/CharTableWindow.h"

#include <optional>

namespace orvel {

class TFormCharTable : public TCharTableWindow {
    Q_OBJECT

public:
    explicit TFormCharTable(QWidget* parent = nullptr);

    // Whether the table was opened from the main window, whose search line takes the text and
    // which may send it to Word; false when a note editor opened it.
    void SetWordTransfer(bool wordTransfer) { FWordTransfer = wordTransfer; }
    bool WordTransfer() const { return FWordTransfer; }

    // For the note editor: shows the table emptied and, on OK, answers the composed Greek in
    // the Orvel000 layout, to be inserted at the caret in the Greek format.
    std::optional<std::string> ComposeForEditor();

protected:
    void TransferToWord() override;

private:
    bool FWordTransfer = false;
};

} // namespace orvel
