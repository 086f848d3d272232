// Orvel's RTF reader: the text of an RTF document as runs of characters of equal attributes. It
// reads what the article renderer writes and what other programs put on the clipboard or save:
// groups, the font table with charsets, the colour table, fonts, sizes, bold, italic, colours,
// paragraphs, "\'hh" bytes decoded by the code page of their font's charset, "\uN" characters
// with their fallback skipped; pictures, objects and every other destination are left out and
// unknown control words ignored.
//
// Malformed input never fails: what can be read is read, and reading ends with the group that
// opened the document or with the bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvel {

// The paragraph and line breaks inside a run's text.
inline constexpr char32_t RtfParagraphBreak = 0x2029;
inline constexpr char32_t RtfLineBreak = 0x2028;

struct TRtfAttributes {
    std::string FontName; // UTF-8; the untagged family ("Times New Roman", not "... Cyr")
    int Charset = 0;      // the font's \fcharset, else that of the document's code page
    bool Bold = false;
    bool Italic = false;
    std::optional<uint32_t> Color; // red in the low byte; none: the automatic colour
    double Size = 12;              // points

    bool operator==(const TRtfAttributes&) const = default;
};

struct TRtfRun {
    TRtfAttributes Attributes;
    std::u32string Text; // no control characters but the tab; a lone surrogate is U+FFFD
};

// Whether the bytes start like an RTF document ("{\rtf", blanks before it allowed).
bool IsRtf(std::string_view data);

// The document's text; the break that closes the last paragraph is not part of it.
std::vector<TRtfRun> ReadRtfRuns(std::string_view rtf);

} // namespace orvel
