#include "core/encoding/UnicodeGreek.h"

#include "core/encoding/GreekEncoding.h"
#include "support/InternalBytes.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <vector>

namespace orvel {
namespace {

using orvel::testing::K;

std::string Utf8(std::u32string_view text) {
    std::string out;
    for (const char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string Internal(int code, char letter) {
    return std::string{static_cast<char>(code), letter};
}

// The NFC form of every letter with every code it takes, codes in ascending order (written
// independently of the conversion tables). Υ has no precomposed forms with the smooth breathing.
const std::map<char, std::string> kNfcForms = {
    {'a', "ά ὰ ᾶ ἀ ἁ ἄ ἂ ἅ ἃ ἆ ἇ ᾱ ᾰ ᾳ ᾴ ᾲ ᾷ ᾀ ᾁ ᾄ ᾂ ᾅ ᾃ ᾆ ᾇ"},
    {'e', "έ ὲ ἐ ἑ ἔ ἒ ἕ ἓ"},
    {'g', "ή ὴ ῆ ἠ ἡ ἤ ἢ ἥ ἣ ἦ ἧ ῃ ῄ ῂ ῇ ᾐ ᾑ ᾔ ᾒ ᾕ ᾓ ᾖ ᾗ"},
    {'i', "ί ὶ ῖ ἰ ἱ ἴ ἲ ἵ ἳ ἶ ἷ ῑ ῐ ϊ ΐ ῒ ῗ"},
    {'o', "ό ὸ ὀ ὁ ὄ ὂ ὅ ὃ"},
    {'q', "ῥ"},
    {'u', "ύ ὺ ῦ ὐ ὑ ὔ ὒ ὕ ὓ ὖ ὗ ῡ ῠ ϋ ΰ ῢ ῧ"},
    {'y', "ώ ὼ ῶ ὠ ὡ ὤ ὢ ὥ ὣ ὦ ὧ ῳ ῴ ῲ ῷ ᾠ ᾡ ᾤ ᾢ ᾥ ᾣ ᾦ ᾧ"},
    {'A', "Ἀ Ἁ Ἄ Ἅ Ἆ Ἇ"},
    {'E', "Ἐ Ἑ Ἔ Ἕ"},
    {'G', "Ἠ Ἡ Ἤ Ἥ Ἦ Ἧ"},
    {'I', "Ἰ Ἱ Ἴ Ἵ Ἶ Ἷ"},
    {'O', "Ὀ Ὁ Ὄ Ὅ"},
    {'Q', "Ῥ"},
    {'U', "Υ\u0313 Ὑ Υ\u0313\u0301 Ὕ Υ\u0313\u0342 Ὗ"},
    {'Y', "Ὠ Ὡ Ὤ Ὥ Ὦ Ὧ"},
};

// Combining marks of each code 0xC0..0xDC in canonical order (the NFD form after the letter).
const std::u32string kNfdMarks[] = {
    U"\u0301",
    U"\u0300",
    U"\u0342",
    U"\u0313",
    U"\u0314",
    U"\u0313\u0301",
    U"\u0313\u0300",
    U"\u0314\u0301",
    U"\u0314\u0300",
    U"\u0313\u0342",
    U"\u0314\u0342",
    U"\u0304",
    U"\u0306",
    U"\u0345",
    U"\u0301\u0345",
    U"\u0300\u0345",
    U"\u0342\u0345",
    U"\u0313\u0345",
    U"\u0314\u0345",
    U"\u0313\u0301\u0345",
    U"\u0313\u0300\u0345",
    U"\u0314\u0301\u0345",
    U"\u0314\u0300\u0345",
    U"\u0313\u0342\u0345",
    U"\u0314\u0342\u0345",
    U"\u0308",
    U"\u0308\u0301",
    U"\u0308\u0300",
    U"\u0308\u0342",
};

char32_t BaseLetter(char letter) {
    return letter >= 'a' ? U'\u03B1' + (letter - 'a') : U'\u0391' + (letter - 'A');
}

std::string AllLetters() {
    std::string letters;
    for (char l = 'a'; l <= 'z'; ++l) {
        letters += l;
    }
    for (char l = 'A'; l <= 'Y'; ++l) {
        letters += l;
    }
    return letters;
}

// Every letter with every code the display shows: the Unicode forms convert to exactly that
// letter and code, and the code is written back as the NFC form. Unicode is finer than the font
// where two codes share a glyph (0xD3/0xD4, 0xD5/0xD6, υ with 0xD9/0xDC): the display reads
// back the lower code, Unicode keeps each.
TEST(UnicodeGreek, AgreesWithDisplayTableForEveryLetterAndCode) {
    int pairs = 0;
    for (const char letter : AllLetters()) {
        std::vector<std::string> nfc;
        if (kNfcForms.count(letter) != 0) {
            std::istringstream forms(kNfcForms.at(letter));
            for (std::string form; forms >> form;) {
                nfc.push_back(form);
            }
        }
        size_t next = 0;
        for (int code = 0xC0; code <= 0xDC; ++code) {
            SCOPED_TRACE(std::string("letter ") + letter + " code " + std::to_string(code));
            const std::string shown = FontWordToInternal(GreekLetterToFont(code, letter));
            const bool displayed = shown.size() == 2 && shown[1] == letter;
            EXPECT_EQ(GreekLetterTakesCode(letter, code), displayed);
            if (!displayed) {
                continue;
            }
            const bool sharedGlyph =
                code == 0xD4 || code == 0xD6 || (code == 0xDC && letter == 'u');
            EXPECT_EQ(shown, sharedGlyph ? Internal(code - (code == 0xDC ? 3 : 1), letter)
                                         : Internal(code, letter));
            ++pairs;
            ASSERT_LT(next, nfc.size());
            const std::string expected = Internal(code, letter);
            EXPECT_EQ(Utf8GreekToInternal(nfc[next]), expected);
            EXPECT_EQ(InternalToUnicode(expected), nfc[next]);
            const std::u32string nfd = BaseLetter(letter) + kNfdMarks[code - 0xC0];
            EXPECT_EQ(Utf8GreekToInternal(Utf8(nfd)), expected);
            ++next;
        }
        EXPECT_EQ(next, nfc.size()) << letter;
    }
    EXPECT_EQ(pairs, 161);
}

TEST(UnicodeGreek, BareLettersRoundTrip) {
    for (const char letter : AllLetters()) {
        if (letter == 'R' || letter == 'z') {
            continue;
        }
        const std::string unicode = InternalToUnicode(std::string(1, letter));
        EXPECT_EQ(unicode, Utf8(std::u32string(1, BaseLetter(letter)))) << letter;
        EXPECT_EQ(Utf8GreekToInternal(unicode), std::string(1, letter)) << letter;
    }
    EXPECT_EQ(InternalToUnicode("r"), "ς");
    EXPECT_EQ(InternalToUnicode("s"), "σ");
    EXPECT_EQ(InternalToUnicode("R"), "Σ"); // capital final sigma
    EXPECT_EQ(InternalToUnicode("z"), "\u2019");
}

TEST(UnicodeGreek, TonosOxiaAndPartialCompositionAreTheSame) {
    const std::string acuteAlpha = K("{C0}a");
    for (const char* alpha : {"\u03AC", "\u1F71", "\u03B1\u0301", "\u03B1\u0341"}) {
        EXPECT_EQ(Utf8GreekToInternal(alpha), acuteAlpha) << alpha; // tonos, oxia, marks
    }
    const std::string smoothAcute = K("{C5}a");
    EXPECT_EQ(Utf8GreekToInternal("ἀ\u0301"), smoothAcute);       // partly composed
    EXPECT_EQ(Utf8GreekToInternal("α\u0301\u0313"), smoothAcute); // marks out of order
    EXPECT_EQ(Utf8GreekToInternal("α\u0343\u0301"), smoothAcute); // koronis mark
    for (const char* iota : {"\u0390", "\u1FD3", "ι\u0344", "ϊ\u0301"}) {
        EXPECT_EQ(Utf8GreekToInternal(iota), K("{DA}i")) << iota;
    }
    // Circumflex written with the marks some fonts use for it.
    for (const char* alpha : {"α\u0342", "α\u0302", "α\u0303", "α\u0311", "ᾶ"}) {
        EXPECT_EQ(Utf8GreekToInternal(alpha), K("{C2}a")) << alpha;
    }
}

TEST(UnicodeGreek, MarkSetsWithoutCodeKeepTheMostSignificantMarks) {
    EXPECT_EQ(Utf8GreekToInternal("ᾱ\u0301"), K("{C0}a"));       // length mark with an accent
    EXPECT_EQ(Utf8GreekToInternal("ι\u0313\u0308"), K("{C3}i")); // breathing with a diaeresis
    EXPECT_EQ(Utf8GreekToInternal("α\u0308\u0301"), K("{C0}a")); // α takes no diaeresis
    EXPECT_EQ(Utf8GreekToInternal("ε\u0345"), "e");
    EXPECT_EQ(Utf8GreekToInternal("ε\u0313\u0342"), K("{C3}e")); // ε takes no circumflex
    EXPECT_EQ(Utf8GreekToInternal("ῆ\u0304"), K("{C2}g"));
    EXPECT_EQ(Utf8GreekToInternal("η\u0304"), "g");
    EXPECT_EQ(Utf8GreekToInternal("ῤ"), "q"); // ρ takes the rough breathing only
    EXPECT_EQ(Utf8GreekToInternal("Ά"), "A"); // capitals take no accent alone
    EXPECT_EQ(Utf8GreekToInternal("Ἂ"), K("{C3}A"));
    EXPECT_EQ(Utf8GreekToInternal("ᾈ"), K("{C3}A"));
    EXPECT_EQ(Utf8GreekToInternal("Ϊ"), "I");
    EXPECT_EQ(Utf8GreekToInternal("α\u0313\u0314"), K("{C4}a")); // the rough breathing counts
    EXPECT_EQ(Utf8GreekToInternal("α\u0300\u0301"), K("{C0}a"));
    EXPECT_EQ(Utf8GreekToInternal("α\u0304\u0306"), K("{CB}a"));
    EXPECT_EQ(Utf8GreekToInternal("α\u0307"), "a"); // a mark of no Greek meaning is ignored
    EXPECT_EQ(GreekDiacriticCode('b', GreekAcute), 0);
}

TEST(UnicodeGreek, TextConversion) {
    EXPECT_EQ(Utf8GreekToInternal("λόγος"), K("k{C0}ocor"));
    EXPECT_EQ(Utf8GreekToInternal("Ὅμηρος"), K("{C7}Olgqor"));
    EXPECT_EQ(Utf8GreekToInternal("ἀπ’ αὐτοῦ"), K("{C3}apz a{C3}uto{C2}u"));
    for (const char* elision : {"'", "\u2019", "\u02BC", "\u1FBD", "\u1FBF"}) {
        EXPECT_EQ(Utf8GreekToInternal(elision), "z") << elision;
    }
    EXPECT_EQ(Utf8GreekToInternal("ϐϑϕϖϰϱϲϵµ"), "bhvpjqsel");
    // Latin letters, other scripts, spacing accents, lone marks and broken UTF-8 are dropped;
    // other ASCII stays.
    EXPECT_EQ(Utf8GreekToInternal("abc мир \u0301΄῾ 1-2*?"), "   1-2*?");
    EXPECT_EQ(Utf8GreekToInternal("α\xFF\xCE\x41\xE1\x80β"), "ab");
    EXPECT_EQ(Utf8GreekToInternal("\xCE"), "");
}

TEST(UnicodeGreek, InternalToUnicodeText) {
    EXPECT_EQ(InternalToUnicode(K("{C3}apz_a{C3}uto{C2}u")), "ἀπ’ αὐτοῦ");
    // A code the letter does not take is dropped, as on the display.
    EXPECT_EQ(InternalToUnicode(K("{C2}e{CB}g{C0}A{CD}i{C0}b")), "εηΑιβ");
    // A later code replaces an earlier one; a code before anything but a letter is lost.
    EXPECT_EQ(InternalToUnicode(K("{C0}{C1}a{C0}-a")), "ὰ-α");
    EXPECT_EQ(InternalToUnicode(K("Z{1F}{01}{80}{FF}a1 [b]")), "α1 [β]");
    const std::string phrase = K("{C4}o l{C2}uhor {D0}y {CB}a");
    EXPECT_EQ(InternalToUnicode(phrase), "ὁ μῦθος ῷ ᾱ");
    EXPECT_EQ(Utf8GreekToInternal(InternalToUnicode(phrase)), phrase);
}

} // namespace
} // namespace orvel
