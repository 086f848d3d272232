#include "core/appmodel/ToolBarFlow.h"

#include <algorithm>

namespace orvel {

std::vector<TFlowPlace> FlowRows(const std::vector<TFlowSize>& sizes, int32_t width,
                                 int32_t spacing) {
    std::vector<TFlowPlace> places;
    places.reserve(sizes.size());
    size_t rowStart = 0;
    int32_t top = 0;
    int32_t left = 0;
    int32_t rowHeight = 0;
    // Every item of a finished row takes the row's height, so that the tool bars line up.
    auto finishRow = [&] {
        for (size_t i = rowStart; i < places.size(); ++i)
            places[i].Height = rowHeight;
        rowStart = places.size();
    };
    for (const TFlowSize& size : sizes) {
        if (places.size() > rowStart && left + size.Width > width) {
            finishRow();
            top += rowHeight + spacing;
            left = 0;
            rowHeight = 0;
        }
        places.push_back({left, top, size.Width, size.Height});
        left += size.Width + spacing;
        rowHeight = std::max(rowHeight, size.Height);
    }
    finishRow();
    return places;
}

int32_t FlowHeight(const std::vector<TFlowPlace>& places) {
    int32_t bottom = 0;
    for (const TFlowPlace& place : places)
        bottom = std::max(bottom, place.Top + place.Height);
    return bottom;
}

} // namespace orvel
