#include "core/article/RtfDocument.h"

#include "core/article/RtfText.h"
#include "core/encoding/CharacterReader.h"
#include "core/encoding/Utf8.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <utility>

namespace orvel {
namespace {

// Where the text of a group goes.
enum class TDestination { Text, FontTable, FontName, ColorTable, Skip };

struct TGroupState {
    TDestination Destination = TDestination::Text;
    int Font = -1; // the font number of \f; -1 the default font
    int HalfPoints = 24;
    bool Bold = false;
    bool Italic = false;
    int Color = 0;
    int FallbackLength = 1; // \uc: characters written after each \u for readers without Unicode
};

std::u32string Trimmed(const std::u32string& text) {
    const auto blank = [](char32_t c) { return c == ' ' || c == '\t' || c == 0xA0 || c == 0x3000; };
    size_t first = 0, last = text.size();
    while (first < last && blank(text[first]))
        ++first;
    while (last > first && blank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

std::string Utf8Of(const std::u32string& text) {
    std::string out;
    for (const char32_t c : text)
        AppendUtf8(out, c);
    return out;
}

struct TFontEntry {
    std::u32string Name;
    std::u32string UntaggedName; // \*\fname: the family without a charset tag such as "Cyr"
    std::optional<int> Charset;
    bool NameDone = false;
    bool UntaggedNameDone = false;

    // The family to ask the system for: a tagged name like "Times New Roman Cyr" names no
    // installed font, its untagged name does.
    std::string Family() const {
        const std::u32string untagged = Trimmed(UntaggedName);
        return Utf8Of(untagged.empty() ? Trimmed(Name) : untagged);
    }
};

struct TColorEntry {
    uint32_t Value = 0;
    bool Set = false; // an entry without components is the automatic colour
};

constexpr std::string_view kSkippedDestinations[] = {"aftnsep",
                                                     "aftnsepc",
                                                     "annotation",
                                                     "atnauthor",
                                                     "atnid",
                                                     "bkmkend",
                                                     "bkmkstart",
                                                     "colorschememapping",
                                                     "datastore",
                                                     "do",
                                                     "fchars",
                                                     "filetbl",
                                                     "fldinst",
                                                     "footer",
                                                     "footerf",
                                                     "footerl",
                                                     "footerr",
                                                     "footnote",
                                                     "ftnsep",
                                                     "ftnsepc",
                                                     "generator",
                                                     "header",
                                                     "headerf",
                                                     "headerl",
                                                     "headerr",
                                                     "info",
                                                     "latentstyles",
                                                     "lchars",
                                                     "listoverridetable",
                                                     "listtable",
                                                     "mmathPr",
                                                     "nonshppict",
                                                     "object",
                                                     "objdata",
                                                     "pgdsctbl",
                                                     "pict",
                                                     "pn",
                                                     "pntxta",
                                                     "pntxtb",
                                                     "revtbl",
                                                     "rsidtbl",
                                                     "shp",
                                                     "shpinst",
                                                     "stylesheet",
                                                     "tc",
                                                     "template",
                                                     "themedata",
                                                     "txe",
                                                     "userprops",
                                                     "xe",
                                                     "xmlnstbl"};

// Destinations whose text is no part of the document, also where a writer left out "\*".
bool IsSkippedDestination(std::string_view word) {
    return std::find(std::begin(kSkippedDestinations), std::end(kSkippedDestinations), word) !=
           std::end(kSkippedDestinations);
}

// The charset of text in a font that names none: the document's ANSI code page.
int CharsetOfCodePage(int codePage) {
    switch (codePage) {
    case 1251:
        return 204;
    case 1253:
        return 161;
    default:
        return 0;
    }
}

constexpr bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Characters the document must not hold: controls other than the tab, the object replacement
// character (an embedded object without its object) and the noncharacters Qt uses for frames.
bool IsUnwanted(char32_t c) {
    return (c < 0x20 && c != '\t') || c == 0x7F || c == 0xFFFC || c == 0xFDD0 || c == 0xFDD1 ||
           c > 0x10FFFF;
}

constexpr bool IsHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Writers give a character beyond U+FFFF as two "\uN" halves: a pair becomes the character, and
// a half without its partner (a pair that malformed input split) becomes U+FFFD.
void JoinSurrogates(std::u32string& text) {
    size_t out = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            c = 0xFFFD;
        }
        text[out++] = c;
    }
    text.resize(out);
}

class TRtfParser {
public:
    explicit TRtfParser(std::string_view rtf) : FData(rtf) {}

    std::vector<TRtfRun> Parse() {
        size_t i = FData.find('{');
        while (i < FData.size()) {
            const char c = FData[i];
            if (c == '{') {
                FFallback = 0;
                FStar = false;
                FStack.push_back(FStack.empty() ? TGroupState() : FStack.back());
                ++i;
            } else if (c == '}') {
                FFallback = 0;
                FStar = false;
                if (FStack.size() <= 1)
                    break; // the document's group is closed; what follows is no part of it
                FStack.pop_back();
                ++i;
            } else if (c == '\\') {
                i = Control(i + 1);
            } else {
                if (c != '\r' && c != '\n')
                    Byte(uint8_t(c));
                ++i;
            }
        }
        // A document ends its last paragraph with \par: that break closes the text, it opens no
        // empty paragraph after it.
        if (FPendingBreaks > 1) {
            FPendingBreaks -= 1;
            FlushBreaks();
        }
        for (TRtfRun& run : FPieces)
            JoinSurrogates(run.Text);
        return std::move(FPieces);
    }

private:
    TGroupState& State() { return FStack.back(); }

    // A control word or symbol; i is the position after the backslash. Returns the position
    // after it.
    size_t Control(size_t i) {
        if (i >= FData.size())
            return i;
        const char c = FData[i];
        if (!IsAsciiLetter(c))
            return Symbol(i);

        const size_t start = i;
        while (i < FData.size() && IsAsciiLetter(FData[i]))
            ++i;
        const std::string_view word = FData.substr(start, i - start);
        bool negative = false;
        if (i + 1 < FData.size() && FData[i] == '-' && IsDigit(FData[i + 1])) {
            negative = true;
            ++i;
        }
        bool hasParameter = false;
        long long parameter = 0;
        for (; i < FData.size() && IsDigit(FData[i]); ++i) {
            hasParameter = true;
            parameter = std::min(parameter * 10 + (FData[i] - '0'), 0x7FFFFFFFLL);
        }
        if (i < FData.size() && FData[i] == ' ')
            ++i; // the delimiter belongs to the control word
        const int value = int(negative ? -parameter : parameter);

        if (word == "bin") {
            // Binary data of the given length follows, braces and backslashes included.
            if (value > 0)
                i += std::min(size_t(value), FData.size() - i);
            return i;
        }
        if (FFallback > 0) {
            --FFallback;
            return i;
        }
        Word(word, hasParameter, value);
        return i;
    }

    size_t Symbol(size_t i) {
        const char c = FData[i];
        if (c == '\'') {
            int value = 0, digits = 0;
            for (++i; digits < 2 && i < FData.size() && HexDigit(FData[i]) >= 0; ++i, ++digits)
                value = value * 16 + HexDigit(FData[i]);
            if (digits == 2)
                Byte(uint8_t(value));
            return i;
        }
        if (c == '*') {
            FStar = true;
            return i + 1;
        }
        if (FFallback > 0) {
            --FFallback;
            return i + 1;
        }
        switch (c) {
        case '\\':
        case '{':
        case '}':
            Byte(uint8_t(c));
            break;
        case '~':
            Character(0x00A0);
            break;
        case '_':
            Character(0x2011);
            break;
        case '\r':
        case '\n':
            if (State().Destination == TDestination::Text)
                ++FPendingBreaks;
            break;
        default:
            break; // \- (optional hyphen), \| and \: mark nothing that is shown
        }
        return i + 1;
    }

    void Word(std::string_view word, bool hasParameter, int value) {
        TGroupState& state = State();
        const bool star = std::exchange(FStar, false);
        if (state.Destination == TDestination::Skip)
            return;
        if (star) {
            // An ignorable destination: skipped unless it is the untagged name of a font.
            state.Destination =
                word == "fname" && state.Destination == TDestination::FontTable && FFont
                    ? TDestination::FontName
                    : TDestination::Skip;
            return;
        }
        if (word == "uc") {
            if (hasParameter && value >= 0)
                state.FallbackLength = std::min(value, 255);
            return;
        }
        if (word == "u") {
            const long long code = value < 0 ? value + 65536LL : value;
            if (code >= 0)
                Character(char32_t(code));
            FFallback = state.FallbackLength;
            return;
        }
        switch (state.Destination) {
        case TDestination::Text:
            TextWord(state, word, hasParameter, value);
            break;
        case TDestination::FontTable:
            if (word == "f") {
                FFont = value;
                FFonts[value] = TFontEntry();
            } else if (word == "fcharset" && FFont && value >= 0 && value <= 255) {
                FFonts[*FFont].Charset = value;
            }
            break;
        case TDestination::ColorTable:
            if (word == "red" || word == "green" || word == "blue") {
                const int shift = word == "red" ? 0 : word == "green" ? 8 : 16;
                FColor.Value = (FColor.Value & ~(0xFFu << shift)) |
                               uint32_t(std::clamp(value, 0, 255)) << shift;
                FColor.Set = true;
            }
            break;
        case TDestination::FontName:
        case TDestination::Skip:
            break;
        }
    }

    void TextWord(TGroupState& state, std::string_view word, bool hasParameter, int value) {
        const bool on = !hasParameter || value != 0;
        if (word == "par" || word == "sect" || word == "row") {
            ++FPendingBreaks;
        } else if (word == "line") {
            Character(RtfLineBreak);
        } else if (word == "tab" || word == "cell" || word == "nestcell") {
            Character('\t');
        } else if (word == "plain") {
            state.Font = -1;
            state.HalfPoints = 24;
            state.Bold = state.Italic = false;
            state.Color = 0;
        } else if (word == "f") {
            state.Font = std::max(value, 0);
        } else if (word == "fs") {
            if (value > 0)
                state.HalfPoints = std::min(value, 3276);
        } else if (word == "b") {
            state.Bold = on;
        } else if (word == "i") {
            state.Italic = on;
        } else if (word == "cf") {
            state.Color = value;
        } else if (word == "fonttbl") {
            state.Destination = TDestination::FontTable;
        } else if (word == "colortbl") {
            state.Destination = TDestination::ColorTable;
            FColors.clear();
            FColor = TColorEntry();
        } else if (word == "ansicpg") {
            FDocumentCharset = CharsetOfCodePage(value);
        } else if (word == "deff") {
            FDefaultFont = value;
        } else if (IsSkippedDestination(word)) {
            state.Destination = TDestination::Skip;
        } else if (word == "emdash") {
            Character(0x2014);
        } else if (word == "endash") {
            Character(0x2013);
        } else if (word == "bullet") {
            Character(0x2022);
        } else if (word == "lquote") {
            Character(0x2018);
        } else if (word == "rquote") {
            Character(0x2019);
        } else if (word == "ldblquote") {
            Character(0x201C);
        } else if (word == "rdblquote") {
            Character(0x201D);
        } else if (word == "emspace") {
            Character(0x2003);
        } else if (word == "enspace") {
            Character(0x2002);
        }
    }

    // A byte of text: a character in the code page of the current font.
    void Byte(uint8_t b) {
        if (FFallback > 0) {
            --FFallback;
            return;
        }
        FStar = false;
        TGroupState& state = State();
        switch (state.Destination) {
        case TDestination::Text: {
            const TRtfAttributes attributes = Attributes();
            Character(CharsetByteToUnicode(b, attributes.FontName, uint8_t(attributes.Charset)));
            break;
        }
        case TDestination::FontTable:
        case TDestination::FontName:
            if (b == ';')
                EndFontName(state.Destination);
            else if (FFont)
                Character(CharsetByteToUnicode(
                    b, "", uint8_t(FFonts[*FFont].Charset.value_or(FDocumentCharset))));
            break;
        case TDestination::ColorTable:
            if (b == ';') {
                FColors.push_back(FColor);
                FColor = TColorEntry();
            }
            break;
        case TDestination::Skip:
            break;
        }
    }

    void EndFontName(TDestination destination) {
        if (!FFont)
            return;
        TFontEntry& font = FFonts[*FFont];
        (destination == TDestination::FontName ? font.UntaggedNameDone : font.NameDone) = true;
    }

    // A character decoded or given by its code point.
    void Character(char32_t c) {
        switch (State().Destination) {
        case TDestination::Text:
            if (!IsUnwanted(c))
                AppendText(c);
            break;
        case TDestination::FontTable:
        case TDestination::FontName:
            if (FFont && c >= 0x20 && !IsUnwanted(c)) {
                TFontEntry& font = FFonts[*FFont];
                if (State().Destination == TDestination::FontName) {
                    if (!font.UntaggedNameDone)
                        font.UntaggedName += c;
                } else if (!font.NameDone) {
                    font.Name += c;
                }
            }
            break;
        case TDestination::ColorTable:
        case TDestination::Skip:
            break;
        }
    }

    const TFontEntry* FindFont(int number) const {
        const auto it = FFonts.find(number);
        return it == FFonts.end() ? nullptr : &it->second;
    }

    TRtfAttributes Attributes() const {
        const TGroupState& state = FStack.back();
        const TFontEntry* font = state.Font >= 0 ? FindFont(state.Font) : nullptr;
        if (!font)
            font = FindFont(FDefaultFont);
        TRtfAttributes attributes;
        if (font)
            attributes.FontName = font->Family();
        attributes.Charset = font && font->Charset ? *font->Charset : FDocumentCharset;
        attributes.Bold = state.Bold;
        attributes.Italic = state.Italic;
        attributes.Size = state.HalfPoints / 2.0;
        // Entry 0 is the automatic colour, also where a writer lists black there for readers
        // that need a value.
        if (state.Color > 0 && size_t(state.Color) < FColors.size() && FColors[state.Color].Set)
            attributes.Color = FColors[state.Color].Value;
        return attributes;
    }

    void FlushBreaks() {
        for (; FPendingBreaks > 0; --FPendingBreaks)
            AppendToPiece(RtfParagraphBreak);
    }

    void AppendText(char32_t c) {
        FlushBreaks();
        AppendToPiece(c);
    }

    void AppendToPiece(char32_t c) {
        TRtfAttributes attributes = Attributes();
        if (FPieces.empty() || !(FPieces.back().Attributes == attributes))
            FPieces.push_back({std::move(attributes), std::u32string()});
        FPieces.back().Text += c;
    }

    std::string_view FData;
    std::vector<TGroupState> FStack;
    std::map<int, TFontEntry> FFonts;
    std::optional<int> FFont; // the font table entry being read
    std::vector<TColorEntry> FColors;
    TColorEntry FColor; // the colour table entry being read
    int FDefaultFont = 0;
    int FDocumentCharset = 0;
    int FFallback = 0;      // characters still to skip after a \u
    bool FStar = false;     // "\*" was read: the next control word opens an ignorable group
    int FPendingBreaks = 0; // paragraph breaks not yet written
    std::vector<TRtfRun> FPieces;
};

} // namespace

bool IsRtf(std::string_view data) {
    const size_t start = data.find_first_not_of(" \t\r\n");
    return start != std::string_view::npos && data.substr(start, 5) == "{\\rtf";
}

std::vector<TRtfRun> ReadRtfRuns(std::string_view rtf) {
    return TRtfParser(rtf).Parse();
}

} // namespace orvel
