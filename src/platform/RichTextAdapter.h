// The per-character view of a rich-text document that the program's conversions need: each
// character's byte in its charset's code page, font name, charset, bold, italic, colour and
// size; a selection; inserting text with attributes.
//
// Positions are those of the QTextDocument (a paragraph break is one character). A paragraph
// break reads as '\r' and a line break as '\v', as a rich-text control gives them; an embedded
// object reads as no text (code point 0).
//
// Text that arrives without a charset (typed with a system layout, pasted as Unicode) takes it
// from its script: Cyrillic 204, Greek 161, other letters 0; spaces, digits and punctuation
// without a charset take the one of the nearest letter before them (after them at the start),
// so that a phrase keeps one charset. A Cyrillic or Greek letter whose charset's code page has
// no byte for it takes its script's charset too, outside the display fonts.
#pragma once

#include "core/article/SelectionRtf.h"
#include "core/encoding/CharacterReader.h"
#include "platform/RichTextAttributes.h"

#include <QString>
#include <QTextCursor>
#include <optional>
#include <vector>

class QTextDocument;

namespace orvel {

// A run of characters of the same attributes; paragraph breaks are '\n'.
struct TRichTextRun {
    QString Text;
    TRichTextAttributes Attributes;
};

class TRichTextAdapter : public TCharacterReader {
public:
    // The document must outlive the adapter.
    explicit TRichTextAdapter(QTextDocument* document);

    QTextDocument* Document() const { return FDocument; }

    // The character reader: Length() characters, each with its code point, font name,
    // charset, bold, italic and colour.
    int Length() const override;
    TCharacterInfo Character(int index) const override;

    char32_t CodePoint(int index) const;
    // The font name alone (the document's default font when the format names none).
    QString FontName(int index) const;
    // Font name (the document's default font when the format names none), charset (always
    // set), bold, italic, colour (none when automatic) and size in points.
    TRichTextAttributes Attributes(int index) const;
    // The code of the character in its charset's code page; nothing when the code page has
    // none for it.
    std::optional<uint8_t> Byte(int index) const;

    // The selection is the adapter's own cursor; a control's cursor is taken and given back
    // with Cursor() and SetCursor().
    const QTextCursor& Cursor() const { return FCursor; }
    void SetCursor(const QTextCursor& cursor);
    // Clamped to the text.
    void Select(int start, int length);
    void SelectAll();
    int SelectionStart() const;
    int SelectionLength() const;
    // Paragraph and line breaks as '\n'.
    QString SelectedText() const;

    // Replaces the selection with the text and leaves the caret after it. Without attributes
    // the text takes the format at the caret.
    void InsertText(const QString& text, const TRichTextAttributes& attributes);
    void InsertText(const QString& text);
    void Clear();

    // The characters from start in runs of equal attributes.
    std::vector<TRichTextRun> Runs(int start, int length) const;
    std::vector<TRichTextRun> SelectedRuns() const;

    // The characters from start as the document of a copied selection writes them. Its fonts
    // are the four of an article, so Greek outside the display font is given as display glyphs
    // of Orvel000, and a character no font of the document can hold as '?'.
    std::vector<TRichCharacter> RichCharacters(int start, int length) const;
    std::vector<TRichCharacter> SelectedRichCharacters() const;

private:
    QChar Unit(int index) const;
    QTextCharFormat Format(int index) const;
    QString FontNameOf(const QTextCharFormat& format) const;
    // The charset of a character with the charset its format names, if any.
    int CharsetAt(int index, char32_t c, const QString& fontName,
                  const std::optional<int>& stored) const;
    // The charset a character without one takes from the letters around it.
    int NeighbourCharset(int index) const;
    void ClampRange(int& start, int& length) const;

    QTextDocument* FDocument;
    QTextCursor FCursor;
};

} // namespace orvel
