// Where a search may hit in a text, found with memchr instead of reading every byte. Every hit
// holds the anchor of each search word: its letters, each as it is or (unless the word is exact)
// as its capital, with nothing between them but bytes the word passes over (diacritic codes, "-",
// "[", "]"). The finder looks for one anchor letter, the one rarest in the text, and checks the
// rest of its anchor around each one found. A text without such a place cannot hold a hit; a
// place found is only a candidate, since only the scan knows where words start and which
// language is on.
#pragma once

#include "core/dictionary/SearchTerms.h"
#include "core/search/SearchLetters.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace orvel {

class TAnchorFinder {
public:
    // Takes, of the anchors of all of State's words, the letter whose bytes are rarest in some
    // stretches spread over [SampleStart, SampleEnd), the text about to be searched.
    TAnchorFinder(const TSearchState& State, const uint8_t* SampleStart, const uint8_t* SampleEnd);

    // The bytes of one place of the anchor: from its first letter to after its last, and the key
    // letter, the one looked for.
    struct TPlace {
        const uint8_t* Start = nullptr;
        const uint8_t* End = nullptr;
        const uint8_t* Key = nullptr;
    };

    // One pass through the text [Start, End), asking for places in order.
    class TPass {
    public:
        TPass(const TAnchorFinder& Finder, const uint8_t* Start, const uint8_t* End);
        // The first place whose key letter lies at or after From, the place inside the text;
        // Start is null when there is none. From never goes back from one call to the next.
        TPlace Next(const uint8_t* From);

    private:
        const TAnchorFinder& Finder;
        const uint8_t* const Start;
        const uint8_t* const End;
        // For each byte of the key letter: where it next stands (End: nowhere); null until looked
        // for.
        std::array<const uint8_t*, 2> NextKey{};
    };

    // Whether the anchor stands anywhere in the text.
    bool Occurs(const uint8_t* Text, size_t Length) const;

private:
    // The place around a key letter at Key, inside [Start, End), or none.
    TPlace PlaceAround(const uint8_t* Key, const uint8_t* Start, const uint8_t* End) const;

    std::string Anchor;                 // the letters of the chosen anchor
    size_t KeyIndex = 0;                // the key letter's position in Anchor
    std::array<uint8_t, 2> KeyBytes{};  // the bytes that give the key letter
    int KeyByteCount = 0;               // 0 when no byte gives it: the anchor never stands
    std::array<uint8_t, 256> Letters{}; // the letter each byte gives in the word, 0 none
    std::array<bool, 256> PassedOver{}; // the bytes inside a word that give no letter
};

} // namespace orvel
