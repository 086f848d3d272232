// Tool bars laid out in rows: each keeps the width it asks for, so that none of its buttons
// folds away behind its extension, and a tool bar that does not fit beside the ones before it
// starts a new row.
#pragma once

#include <cstdint>
#include <vector>

namespace orvel {

struct TFlowSize {
    int32_t Width = 0;
    int32_t Height = 0;
};

struct TFlowPlace {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0; // the height of the item's row
};

// The places of items of the given sizes, in order, in rows of at most `width` pixels with
// `spacing` pixels between items and between rows. An item wider than `width` stands alone in
// its row at its own width.
std::vector<TFlowPlace> FlowRows(const std::vector<TFlowSize>& sizes, int32_t width,
                                 int32_t spacing);

// The height the rows take: the bottom of the lowest row, 0 without items.
int32_t FlowHeight(const std::vector<TFlowPlace>& places);

} // namespace orvel
