#include "core/article/ArticleReadingState.h"

#include "core/article/VocabularyTables.h"

namespace orvel {

bool TArticleReadingState::Joins(uint8_t Byte) const {
    return (FWord == TWord::Word && ContinuesArticleWord(Byte)) ||
           (FWord == TWord::Symbols && IsArticleLetter(Byte));
}

bool TArticleReadingState::Flushes(uint8_t Byte) const {
    if (const TPunctuationSign sign = PunctuationSign(Byte); sign.Shown)
        return sign.SpaceBefore;
    if (FLanguage == TArticleLanguage::Symbols && IsArticleLetter(Byte))
        return Byte != 'B'; // the symbol word "B" takes no space before it
    return StartsArticleWord(Byte);
}

void TArticleReadingState::Feed(uint8_t b) {
    if (FReferenceCode != 0) {
        const uint8_t code = FReferenceCode;
        FReferenceCode = 0;
        Reference(code, b);
        return;
    }
    if (Joins(b)) {
        if (FWord == TWord::Symbols)
            FPending = true; // longer than the word "A"
        return;
    }
    FWord = TWord::None;
    if (b >= 0x06 && b <= 0x09) {
        FLanguage = TArticleLanguage(b - 0x06);
    } else if (b >= 0x0A && b <= 0x0D) {
        FLanguage = TArticleLanguage::Russian;
        FPending = false;
    } else if (b == 0x0E || b == 0x14 || b == 0x12 || b == 0x13) {
        FLanguage = TArticleLanguage::Greek;
        FPending = true;
    } else if (b == 0x0F || b == 0x10 || b == 0x11 || b == 0x15) {
        FLanguage = TArticleLanguage::Russian;
        FPending = true;
    } else if (const TPunctuationSign sign = PunctuationSign(b); sign.Shown) {
        FPending = sign.SpaceAfter;
    } else if (FLanguage == TArticleLanguage::Symbols && IsArticleLetter(b)) {
        FWord = TWord::Symbols;
        FPending = b != 'A'; // no space follows the symbol word "A"
    } else if (StartsArticleWord(b)) {
        FWord = TWord::Word;
        FPending = true;
    } else if (IsReferenceCode(b)) {
        FReferenceCode = b;
    }
    // Style switches and bytes without a role change none of this.
}

void TArticleReadingState::Reference(uint8_t Code, uint8_t Index) {
    const int row = Index >= 0x40 ? Index - 0x40 : -1;
    auto known = [this, row](TVocabularyTable table, int offset = 0) {
        return row >= 0 && FVocabulary.Text(table, offset + row) != nullptr;
    };
    bool shown = false;
    switch (Code) {
    case 0x80: {
        const TVocabularyRow* mark =
            row < 0 ? nullptr : FVocabulary.Row(TVocabularyTable::ArticleMarks, row);
        if (mark && mark->Explanation) {
            FLanguage = TArticleLanguage::Greek; // Latin for the mark, then Greek again
            FPending = false;
        }
        return;
    }
    case 0x81:
        FLanguage = TArticleLanguage::Latin;
        shown = known(TVocabularyTable::Authors);
        break;
    case 0x82:
        FLanguage = TArticleLanguage::Russian;
        shown = known(TVocabularyTable::RussianSigns);
        break;
    case 0x83:
        FLanguage = TArticleLanguage::Latin;
        shown = known(TVocabularyTable::LatinSigns);
        break;
    case 0x84:
        FLanguage = TArticleLanguage::Russian;
        shown = known(TVocabularyTable::IndefinitePhrases);
        break;
    case 0x91:
        FLanguage = TArticleLanguage::Greek;
        shown = known(TVocabularyTable::GreekEndings);
        break;
    case 0x92:
        FLanguage = TArticleLanguage::Greek;
        shown = known(TVocabularyTable::VowelQuantities);
        break;
    default: // 0x85..0x90
        FLanguage = TArticleLanguage::Russian;
        shown = known(TVocabularyTable::RussianWords, (Code - 0x85) * 192);
        break;
    }
    if (shown)
        FPending = true;
}

} // namespace orvel
