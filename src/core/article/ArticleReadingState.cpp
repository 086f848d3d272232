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
    if (IsLanguageCode(b)) {
        FLanguage = TArticleLanguage(b - CodeLatin);
    } else if (IsMeaningCode(b)) {
        FLanguage = TArticleLanguage::Russian;
        FPending = false;
    } else if (IsHeadAbbreviationCode(b) || IsGreekArticleCode(b)) {
        FLanguage = TArticleLanguage::Greek;
        FPending = true;
    } else if (IsRussianFixedWordCode(b)) {
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
    const TVocabularyTable table = ReferenceCodeTable(Code);
    const int row = ReferenceCodeRow(Code, Index);
    const TVocabularyRow* entry = row < 0 ? nullptr : FVocabulary.Row(table, row);
    switch (table) {
    case TVocabularyTable::ArticleMarks:
        if (entry && entry->Explanation) {
            FLanguage = TArticleLanguage::Greek; // Latin for the mark, then Greek again
            FPending = false;
        }
        return;
    case TVocabularyTable::Authors:
    case TVocabularyTable::LatinSigns:
        FLanguage = TArticleLanguage::Latin;
        break;
    case TVocabularyTable::RussianSigns:
    case TVocabularyTable::IndefinitePhrases:
    case TVocabularyTable::RussianWords:
        FLanguage = TArticleLanguage::Russian;
        break;
    case TVocabularyTable::GreekEndings:
    case TVocabularyTable::VowelQuantities:
        FLanguage = TArticleLanguage::Greek;
        break;
    }
    if (entry && entry->Text)
        FPending = true;
}

} // namespace orvel
