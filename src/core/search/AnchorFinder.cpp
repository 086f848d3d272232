#include "core/search/AnchorFinder.h"

#include <algorithm>
#include <cstring>

namespace orvel {

namespace {

// How often each byte occurs in the text, counted in up to 64 stretches of 1 KB spread over it.
std::array<uint32_t, 256> SampleCounts(const uint8_t* start, const uint8_t* end) {
    constexpr size_t Stretches = 64, StretchLength = 1024;
    std::array<uint32_t, 256> counts{};
    const size_t length = start < end ? size_t(end - start) : 0;
    auto count = [&counts](const uint8_t* from, size_t n) {
        for (size_t i = 0; i < n; ++i)
            ++counts[from[i]];
    };
    if (length <= Stretches * StretchLength) {
        count(start, length);
        return counts;
    }
    for (size_t i = 0; i < Stretches; ++i)
        count(start + i * (length - StretchLength) / (Stretches - 1), StretchLength);
    return counts;
}

} // namespace

TAnchorFinder::TAnchorFinder(const TSearchState& State, const uint8_t* SampleStart,
                             const uint8_t* SampleEnd) {
    // The scan reads every word with the script of the first.
    const bool greek = State.SearchTerms[0].Greek;
    const std::array<uint32_t, 256> counts = SampleCounts(SampleStart, SampleEnd);
    const TSearchTerm* chosen = nullptr;
    uint64_t rarest = UINT64_MAX;
    for (int32_t t = 0; t < State.TermCount; ++t) {
        const TSearchTerm& term = State.SearchTerms[size_t(t)];
        const TLetterRoles& roles = WordLetters(greek, term.Exact);
        const std::string& anchor = term.Tokens[size_t(term.Anchor)].Text;
        for (size_t k = 0; k < anchor.size(); ++k) {
            uint64_t count = 0;
            for (int b = 0; b < 256; ++b)
                if (LetterOf(roles[size_t(b)], uint8_t(b)) == uint8_t(anchor[k]))
                    count += counts[size_t(b)];
            if (count < rarest) {
                rarest = count;
                chosen = &term;
                KeyIndex = k;
            }
        }
    }
    if (!chosen)
        return; // no word: nothing is ever found
    Anchor = chosen->Tokens[size_t(chosen->Anchor)].Text;
    const TLetterRoles& roles = WordLetters(greek, chosen->Exact);
    for (int b = 0; b < 256; ++b) {
        Letters[size_t(b)] = LetterOf(roles[size_t(b)], uint8_t(b));
        PassedOver[size_t(b)] = roles[size_t(b)] == Skipped;
        // A letter comes from at most two bytes: itself and its capital.
        if (Letters[size_t(b)] == uint8_t(Anchor[KeyIndex]) && KeyByteCount < 2)
            KeyBytes[size_t(KeyByteCount++)] = uint8_t(b);
    }
}

TAnchorFinder::TPlace TAnchorFinder::PlaceAround(const uint8_t* Key, const uint8_t* Start,
                                                 const uint8_t* End) const {
    TPlace place{Key, Key + 1, Key};
    for (size_t k = KeyIndex; k-- > 0;) {
        const uint8_t* p = place.Start;
        while (p > Start && PassedOver[p[-1]])
            --p;
        if (p == Start || Letters[p[-1]] != uint8_t(Anchor[k]))
            return {};
        place.Start = p - 1;
    }
    for (size_t k = KeyIndex + 1; k < Anchor.size(); ++k) {
        const uint8_t* p = place.End;
        while (p < End && PassedOver[*p])
            ++p;
        if (p == End || Letters[*p] != uint8_t(Anchor[k]))
            return {};
        place.End = p + 1;
    }
    return place;
}

TAnchorFinder::TPass::TPass(const TAnchorFinder& Finder, const uint8_t* Start, const uint8_t* End)
    : Finder(Finder), Start(Start), End(End) {}

TAnchorFinder::TPlace TAnchorFinder::TPass::Next(const uint8_t* From) {
    while (From < End) {
        const uint8_t* key = End;
        for (int i = 0; i < Finder.KeyByteCount; ++i) {
            const uint8_t*& next = NextKey[size_t(i)];
            if (!next || next < From) {
                const void* found =
                    std::memchr(From, Finder.KeyBytes[size_t(i)], size_t(End - From));
                next = found ? static_cast<const uint8_t*>(found) : End;
            }
            key = std::min(key, next);
        }
        if (key == End)
            break;
        if (TPlace place = Finder.PlaceAround(key, Start, End); place.Start)
            return place;
        From = key + 1;
    }
    return {};
}

bool TAnchorFinder::Occurs(const uint8_t* Text, size_t Length) const {
    TPass pass(*this, Text, Text + Length);
    return pass.Next(Text).Start != nullptr;
}

} // namespace orvel
