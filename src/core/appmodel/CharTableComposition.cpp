#include "core/appmodel/CharTableComposition.h"

#include <algorithm>
#include <cstdio>

namespace orvel {

std::string CharTableKeyName(uint8_t code) {
    if (code >= 33 && code <= 126)
        return std::string(1, char(code));
    char name[16];
    std::snprintf(name, sizeof name, "Alt + %.4d", int(code));
    return name;
}

std::string CharTableKeyCaption(uint8_t code) {
    // The panel shows its text as it is, so "&" needs no doubling to appear once.
    return "Клавиша ‹" + CharTableKeyName(code) + "›";
}

TCellClick ClickCharTableCell(TCharTableKind kind, uint8_t code) {
    if (code == 0)
        return {.Inserted = " ", .CaretBefore = false, .KeyCaption = {}};
    return {.Inserted = std::string(1, char(code)),
            .CaretBefore = kind == TCharTableKind::Special && IsRightToLeftSymbol(code),
            .KeyCaption = CharTableKeyCaption(code)};
}

void ApplyCellClick(TComposition& composition, const TCellClick& click) {
    const size_t start = std::min(composition.SelStart, composition.Text.size());
    const size_t length = std::min(composition.SelLength, composition.Text.size() - start);
    composition.Text.replace(start, length, click.Inserted);
    composition.SelStart = click.CaretBefore ? start : start + click.Inserted.size();
    composition.SelLength = 0;
}

} // namespace orvel
