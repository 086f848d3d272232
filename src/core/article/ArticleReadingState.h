// What the article reader knows after each byte of a text: the current language, whether a word
// is open, whether a space is pending and whether a reference code waits for its row byte. The
// source compiler and decompiler feed it the bytes they produce or read, so that both take the
// same view of which language a stretch of text is in and where the reader puts a space anyway.
#pragma once

#include "core/article/ArticleBytes.h"

#include <cstdint>

namespace orvel {

class TVocabulary;

enum class TArticleLanguage { Latin, Russian, Greek, Symbols };

class TArticleReadingState {
public:
    // Whether a reference shows anything depends on the rows the vocabulary knows.
    explicit TArticleReadingState(const TVocabulary& Vocabulary) : FVocabulary(Vocabulary) {}

    void Feed(uint8_t Byte);

    TArticleLanguage Language() const { return FLanguage; }
    bool AwaitingRow() const { return FReferenceCode != 0; }
    bool PendingSpace() const { return FPending; }

    // Whether the text byte Byte, read next, would extend the open word.
    bool Joins(uint8_t Byte) const;
    // Whether the text byte Byte, read next, puts the pending space before itself.
    bool Flushes(uint8_t Byte) const;
    // The reader shows a space before Byte without a stored one: a stored space there changes
    // nothing.
    bool SpaceBefore(uint8_t Byte) const { return FPending && Flushes(Byte) && !Joins(Byte); }

private:
    enum class TWord { None, Word, Symbols };

    void Reference(uint8_t Code, uint8_t Index);

    const TVocabulary& FVocabulary;
    TArticleLanguage FLanguage = TArticleLanguage::Greek;
    TWord FWord = TWord::None;
    bool FPending = false;
    uint8_t FReferenceCode = 0;
};

} // namespace orvel
