// The special character table ("Special symbols"): the Hebrew letters and points and the graphic
// signs of Orvel001, composed for a note. Hebrew glyphs are inserted before the caret's old
// place, so that a word clicked letter by letter reads right to left. The note editor makes one
// when it needs it.
#pragma once

#include "ui/chartable/CharTableWindow.h"

#include <optional>

namespace orvel {

class TFormSpecialCharTable : public TCharTableWindow {
    Q_OBJECT

public:
    explicit TFormSpecialCharTable(QWidget* parent = nullptr);

    // Shows the table and, on OK, answers the composed symbols in the Orvel001 layout, to be
    // inserted in the symbols format.
    std::optional<std::string> Compose();
};

} // namespace orvel
