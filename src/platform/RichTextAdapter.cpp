#include "platform/RichTextAdapter.h"

#include "core/encoding/FontNames.h"
#include "core/encoding/GreekEncoding.h"
#include "core/encoding/UnicodeGreek.h"
#include "core/encoding/Windows1251.h"

#include <QTextDocument>
#include <algorithm>

namespace orvel {
namespace {

// QTextDocument's marks of a frame's (a table's) start and end; they break the text like
// paragraph breaks.
constexpr char16_t kFrameStart = 0xFDD0;
constexpr char16_t kFrameEnd = 0xFDD1;

// How far a space or a sign looks for the letter whose charset it takes.
constexpr int kNeighbourReach = 64;

bool IsBreak(QChar c) {
    return c == QChar::ParagraphSeparator || c == kFrameStart || c == kFrameEnd;
}

std::string Utf8(const QString& text) {
    return text.toStdString();
}

std::optional<int> StoredCharset(const TRichTextAttributes& attributes) {
    if (attributes.Charset && *attributes.Charset >= 0 && *attributes.Charset <= 255)
        return attributes.Charset;
    return std::nullopt;
}

// The byte of a character in the fonts of a copied selection's document, which has a Latin
// (1252), a Cyrillic (1251) and the two display fonts: nothing for a charset of another code
// page or a character its code page lacks.
std::optional<uint8_t> SelectionDocumentByte(char32_t c, const std::string& fontName, int charset) {
    if (IsDisplayFont(fontName) || charset == 0 || charset == 1 || charset == 204)
        return UnicodeToCharsetByte(c, fontName, uint8_t(charset));
    return std::nullopt;
}

} // namespace

TRichTextAdapter::TRichTextAdapter(QTextDocument* document)
    : FDocument(document), FCursor(document) {}

int TRichTextAdapter::Length() const {
    return std::max(0, FDocument->characterCount() - 1);
}

QChar TRichTextAdapter::Unit(int index) const {
    return FDocument->characterAt(index);
}

char32_t TRichTextAdapter::CodePoint(int index) const {
    if (index < 0 || index >= Length())
        return 0;
    const QChar c = Unit(index);
    if (c.isHighSurrogate() && index + 1 < Length() && Unit(index + 1).isLowSurrogate())
        return QChar::surrogateToUcs4(c, Unit(index + 1));
    if (IsBreak(c))
        return '\r';
    if (c == QChar::LineSeparator)
        return '\v';
    if (c == QChar::ObjectReplacementCharacter)
        return 0;
    return c.unicode();
}

// The format of the character at index. A paragraph break takes the format of the text before
// it, so that a word ends at the break rather than mixing with the next paragraph's font.
QTextCharFormat TRichTextAdapter::Format(int index) const {
    QTextCursor cursor(FDocument);
    cursor.setPosition(IsBreak(Unit(index)) ? index : index + 1);
    return cursor.charFormat();
}

QString TRichTextAdapter::FontNameOf(const QTextCharFormat& format) const {
    const QStringList families = format.fontFamilies().toStringList();
    return families.isEmpty() || families.front().isEmpty() ? FDocument->defaultFont().family()
                                                            : families.front();
}

int TRichTextAdapter::CharsetAt(int index, char32_t c, const QString& fontName,
                                const std::optional<int>& stored) const {
    const std::optional<int> script = ScriptCharset(c);
    if (stored) {
        // A Cyrillic or Greek letter its code page cannot hold (pasted as Unicode into a font
        // of another charset) is read by its script, as the system would show it.
        if (script && *script != 0 && *script != *stored && !IsDisplayFont(fontName) &&
            !UnicodeToCharsetByte(c, Utf8(fontName), uint8_t(*stored)))
            return *script;
        return *stored;
    }
    if (script)
        return *script;
    return NeighbourCharset(index);
}

int TRichTextAdapter::NeighbourCharset(int index) const {
    // The nearest character before (then after) in the same paragraph that is a letter or has a
    // charset of its own.
    auto charsetOf = [this](int i) -> std::optional<int> {
        const char32_t c = CodePoint(i);
        const QTextCharFormat format = Format(i);
        const std::optional<int> stored = StoredCharset(AttributesOfFormat(format));
        if (!stored && !ScriptCharset(c))
            return std::nullopt;
        return CharsetAt(i, c, FontNameOf(format), stored);
    };
    for (int i = index - 1; i >= 0 && i >= index - kNeighbourReach; --i) {
        if (CodePoint(i) < 0x20)
            break;
        if (const auto charset = charsetOf(i))
            return *charset;
    }
    const int length = Length();
    for (int i = index + 1; i < length && i <= index + kNeighbourReach; ++i) {
        if (CodePoint(i) < 0x20)
            break;
        if (const auto charset = charsetOf(i))
            return *charset;
    }
    return 0;
}

QString TRichTextAdapter::FontName(int index) const {
    if (index < 0 || index >= Length())
        return {};
    return FontNameOf(Format(index));
}

TRichTextAttributes TRichTextAdapter::Attributes(int index) const {
    if (index < 0 || index >= Length())
        return {};
    const QTextCharFormat format = Format(index);
    TRichTextAttributes attributes = AttributesOfFormat(format);
    attributes.FontName = FontNameOf(format);
    if (attributes.Size <= 0)
        attributes.Size = std::max(0.0, FDocument->defaultFont().pointSizeF());
    attributes.Charset =
        CharsetAt(index, CodePoint(index), attributes.FontName, StoredCharset(attributes));
    return attributes;
}

std::optional<uint8_t> TRichTextAdapter::Byte(int index) const {
    const char32_t c = CodePoint(index);
    if (c == 0)
        return std::nullopt;
    const TRichTextAttributes attributes = Attributes(index);
    return UnicodeToCharsetByte(c, Utf8(attributes.FontName), uint8_t(*attributes.Charset));
}

TCharacterInfo TRichTextAdapter::Character(int index) const {
    if (index < 0 || index >= Length())
        return {};
    const TRichTextAttributes attributes = Attributes(index);
    return {CodePoint(index), Utf8(attributes.FontName), uint8_t(*attributes.Charset),
            attributes.Bold,  attributes.Italic,         attributes.Color};
}

void TRichTextAdapter::SetCursor(const QTextCursor& cursor) {
    if (cursor.document() == FDocument)
        FCursor = cursor;
}

void TRichTextAdapter::ClampRange(int& start, int& length) const {
    const int total = Length();
    start = std::clamp(start, 0, total);
    length = std::clamp(length, 0, total - start);
}

void TRichTextAdapter::Select(int start, int length) {
    ClampRange(start, length);
    FCursor.setPosition(start);
    FCursor.setPosition(start + length, QTextCursor::KeepAnchor);
}

void TRichTextAdapter::SelectAll() {
    Select(0, Length());
}

int TRichTextAdapter::SelectionStart() const {
    return FCursor.selectionStart();
}

int TRichTextAdapter::SelectionLength() const {
    return FCursor.selectionEnd() - FCursor.selectionStart();
}

QString TRichTextAdapter::SelectedText() const {
    QString text = FCursor.selectedText();
    text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    return text;
}

void TRichTextAdapter::InsertText(const QString& text, const TRichTextAttributes& attributes) {
    FCursor.insertText(text, MakeCharFormat(attributes));
}

void TRichTextAdapter::InsertText(const QString& text) {
    FCursor.insertText(text);
}

void TRichTextAdapter::Clear() {
    FDocument->clear();
    FCursor = QTextCursor(FDocument);
}

std::vector<TRichTextRun> TRichTextAdapter::Runs(int start, int length) const {
    ClampRange(start, length);
    std::vector<TRichTextRun> runs;
    for (int i = start; i < start + length; ++i) {
        const QChar unit = Unit(i);
        if (unit == QChar::ObjectReplacementCharacter)
            continue;
        TRichTextAttributes attributes = Attributes(i);
        if (runs.empty() || !(runs.back().Attributes == attributes))
            runs.push_back({QString(), std::move(attributes)});
        runs.back().Text += IsBreak(unit) ? QChar(u'\n') : unit;
        if (unit.isHighSurrogate() && i + 1 < start + length && Unit(i + 1).isLowSurrogate())
            runs.back().Text += Unit(++i);
    }
    return runs;
}

std::vector<TRichTextRun> TRichTextAdapter::SelectedRuns() const {
    return Runs(SelectionStart(), SelectionLength());
}

std::vector<TRichCharacter> TRichTextAdapter::RichCharacters(int start, int length) const {
    ClampRange(start, length);
    std::vector<TRichCharacter> characters;
    const int end = start + length;
    for (int i = start; i < end; ++i) {
        const char32_t c = CodePoint(i);
        if (c < 0x20)
            continue;
        const TRichTextAttributes attributes = Attributes(i);
        TRichCharacter character;
        character.FontName = Utf8(attributes.FontName);
        character.Charset = *attributes.Charset;
        character.Bold = attributes.Bold;
        character.Italic = attributes.Italic;
        character.Color = attributes.Color.value_or(0);
        character.Size = qRound(attributes.Size);
        if (c > 0xFFFF)
            ++i; // the low half of the pair
        if (const auto byte = SelectionDocumentByte(c, character.FontName, character.Charset)) {
            character.Byte = *byte;
            characters.push_back(character);
            continue;
        }
        const bool displayFont = IsDisplayFont(attributes.FontName);
        if (const TGreekLetter letter = DecomposeGreekLetter(c); letter.Letter != 0) {
            // A Greek letter and the combining marks after it, as glyphs of the display font.
            TGreekMarks marks = letter.Marks;
            for (; i + 1 < end && IsCombiningMark(CodePoint(i + 1)); ++i)
                marks |= GreekCombiningMark(CodePoint(i + 1));
            character.FontName = GreekFontName;
            character.Charset = 0;
            for (const char glyph :
                 GreekLetterToFont(GreekDiacriticCode(letter.Letter, marks), letter.Letter)) {
                character.Byte = uint8_t(glyph);
                characters.push_back(character);
            }
            continue;
        }
        if (displayFont)
            character.FontName = "Times New Roman";
        if (const auto cyrillic = UnicodeToCp1251(c); cyrillic && *cyrillic >= 0x80) {
            character.Charset = 204;
            character.Byte = *cyrillic;
        } else {
            character.Charset = 0;
            character.Byte = UnicodeToCharsetByte(c, character.FontName, 0).value_or('?');
        }
        characters.push_back(character);
    }
    return characters;
}

std::vector<TRichCharacter> TRichTextAdapter::SelectedRichCharacters() const {
    return RichCharacters(SelectionStart(), SelectionLength());
}

} // namespace orvel
