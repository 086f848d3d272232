#include "core/article/ArticlePlainText.h"

#include "core/article/ArticleRenderer.h"
#include "core/article/RtfText.h"
#include "core/encoding/CharacterReader.h"
#include "core/encoding/FontNames.h"
#include "core/encoding/GreekEncoding.h"
#include "core/encoding/UnicodeGreek.h"
#include "core/encoding/Utf8.h"
#include "core/settings/Preference.h"

namespace orvel {

namespace {

// Collects the characters of each font and converts them to UTF-8: glyphs of the Greek display
// font through the internal encoding, the others by their font's code page.
class TPlainText {
public:
    void SetFont(int font) {
        FlushGreek();
        Font = font;
    }

    void Character(uint8_t c) {
        if (Font == 2)
            Greek += char(c);
        else
            AppendUtf8(Out, CharsetByteToUnicode(c, FontName(), Font == 1 ? 204 : 0));
    }

    void LineBreak() {
        FlushGreek();
        Out += '\n';
    }

    std::string Finish() {
        FlushGreek();
        return std::move(Out);
    }

private:
    std::string_view FontName() const { return Font == 3 ? SymbolFontName : RussianFontName; }

    // Glyphs of Greek letters become Unicode Greek; what the layout does not hold (spaces,
    // punctuation) stays as the character it is.
    void FlushGreek() {
        std::string internal;
        for (size_t i = 0; i < Greek.size(); ++i) {
            uint8_t c = uint8_t(Greek[i]);
            std::string letter;
            if (IsCapitalPrefixGlyph(c) && i + 1 < Greek.size())
                letter = FontCapitalToInternal(c, uint8_t(Greek[i + 1]));
            if (!letter.empty()) {
                ++i;
            } else {
                letter = FontCharToInternal(c);
            }
            if (!letter.empty()) {
                internal += letter;
                continue;
            }
            Out += InternalToUnicode(internal);
            internal.clear();
            AppendUtf8(Out, CharsetByteToUnicode(c, "Times New Roman", 0));
        }
        Out += InternalToUnicode(internal);
        Greek.clear();
    }

    int Font = 2;
    std::string Greek;
    std::string Out;
};

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

std::string RenderedRtfToPlainText(std::string_view Rtf) {
    TPlainText text;
    int depth = 0;
    for (size_t i = 0; i < Rtf.size(); ++i) {
        const char c = Rtf[i];
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            --depth;
        } else if (depth > 1) {
            continue; // the font and colour tables
        } else if (c == '\\' && i + 1 < Rtf.size() && !IsLetter(Rtf[i + 1])) {
            if (Rtf[i + 1] == '\'' && i + 3 < Rtf.size()) {
                int high = HexDigit(Rtf[i + 2]), low = HexDigit(Rtf[i + 3]);
                if (high >= 0 && low >= 0)
                    text.Character(uint8_t(high * 16 + low));
                i += 3;
            } else {
                text.Character(uint8_t(Rtf[++i]));
            }
        } else if (c == '\\') {
            size_t end = i + 1;
            while (end < Rtf.size() && IsLetter(Rtf[end]))
                ++end;
            const std::string_view word = Rtf.substr(i + 1, end - i - 1);
            size_t digits = end;
            while (digits < Rtf.size() &&
                   (Rtf[digits] == '-' || (Rtf[digits] >= '0' && Rtf[digits] <= '9')))
                ++digits;
            const std::string_view parameter = Rtf.substr(end, digits - end);
            if (word == "par")
                text.LineBreak();
            else if (word == "f" && parameter.size() == 1)
                text.SetFont(parameter[0] - '0');
            i = digits < Rtf.size() && Rtf[digits] == ' ' ? digits : digits - 1;
        } else if (c != '\r' && c != '\n' && c != '\0') {
            text.Character(uint8_t(c));
        }
    }
    std::string out = text.Finish();
    while (!out.empty() && out.back() == '\n')
        out.pop_back();
    return out;
}

std::string ArticleToPlainText(std::string_view Text, const TVocabulary& Vocabulary) {
    return RenderedRtfToPlainText(RenderArticle(Text, TPreference(), Vocabulary));
}

} // namespace orvel
