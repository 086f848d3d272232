#include "core/appmodel/WordListBlock.h"

#include "core/article/ArticleCodes.h"

#include <algorithm>

namespace orvel {

TWordBlock WordBlockAround(int32_t Centre, int32_t MaxCount, int32_t Count) {
    TWordBlock block;
    block.First = std::max(0, Centre - MaxCount / 2);
    block.Last = block.First + MaxCount;
    if (block.Last >= Count) {
        block.Last = Count - 1;
        // A dictionary smaller than the block is shown whole.
        block.First = std::max(0, Count - 1 - MaxCount);
    }
    return block;
}

int32_t WordBlockTopRow(int32_t SelectedPosition, int32_t Rows) {
    return std::max(0, SelectedPosition - Rows / 2);
}

bool WordBlockScrolls(const TWordBlock& Block, int32_t Position, int32_t Count) {
    const int32_t article = Block.First + Position;
    const bool edge = Position == 0 || article == Block.Last;
    return edge && article != 0 && article != Count - 1;
}

int32_t ListItemHeight(int32_t PointSize) {
    return PointSize + PointSize / 2;
}

std::string MarkArticleText(std::string_view Text, int32_t Start, int32_t Length) {
    if (Length == 0 || Start < 0 || size_t(Start) >= Text.size())
        return std::string(Text);
    const size_t start = size_t(Start);
    const size_t end = Length < 0 ? start : std::min(Text.size(), start + size_t(Length));
    std::string marked;
    marked.reserve(Text.size() + 2);
    marked.append(Text.substr(0, start));
    marked += char(CodeMark);
    marked.append(Text.substr(start, end - start));
    marked += char(CodeMark);
    marked.append(Text.substr(end));
    return marked;
}

} // namespace orvel
