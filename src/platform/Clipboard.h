// The clipboard. A copied selection offers RTF (the document of a copied selection, in the
// article's fonts and colours), plain text with the Greek as Unicode polytonic, so that any
// program receives real Greek, and Orvel's own format carrying every character's attributes,
// the charset included, so that copying and pasting inside Orvel keeps them. Reading takes
// Orvel's own format first, then RTF, then plain text.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QMimeData;
class QTextCursor;
class QTextDocument;

namespace orvel {

class TPreference;
class TRichTextAdapter;
struct TRichTextRun;

inline constexpr char RtfMimeType[] = "text/rtf";
inline constexpr char OrvelRichTextMimeType[] = "application/x-orvel-rich-text";

// The characters the search line takes from a paste: at most this many.
inline constexpr int SearchLinePasteLimit = 32;

// Text as plain Unicode: glyphs of Orvel000 as polytonic Greek (glyphs outside its layout as
// they are), other characters as they are, paragraph and line breaks as '\n'.
QString UnicodePlainText(const TRichTextAdapter& text, int start, int length);

// What a copy of the adapter's selection puts on the clipboard.
std::unique_ptr<QMimeData> SelectionMimeData(const TRichTextAdapter& text,
                                             const TPreference& preference);
// Replaces the clipboard's contents with the selection; the selection stays as it is.
void CopySelectionToClipboard(const TRichTextAdapter& text, const TPreference& preference);

// Orvel's own clipboard format: the runs with their attributes as JSON. Decoding gives nothing
// for data that is not in that form.
QByteArray EncodeRichTextRuns(const std::vector<TRichTextRun>& runs);
std::optional<std::vector<TRichTextRun>> DecodeRichTextRuns(const QByteArray& data);

// Inserts the best form the data offers at the cursor, replacing its selection, as one undo
// step. False when it offers nothing readable.
bool InsertMimeData(QTextCursor& cursor, const QMimeData* data);
// Replaces the buffer's text with the data's (no undo step); false, with the buffer empty, when
// it offers nothing readable.
bool ReadMimeDataInto(const QMimeData* data, QTextDocument& buffer);
// The same with the system clipboard.
bool PasteClipboardInto(QTextDocument& buffer);

// The part of a pasted text that goes into the search line: from the start of the buffer, at
// most SearchLinePasteLimit characters, up to the first control character or empty position,
// the first blank unless spaces are allowed, and the first character whose font or charset
// differs from the first one's.
std::vector<TRichTextRun> SearchLinePasteRuns(const TRichTextAdapter& buffer, bool allowSpaces);

} // namespace orvel
