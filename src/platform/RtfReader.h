// Orvel's RTF reader. It builds the text of a QTextDocument from the RTF the article renderer
// writes and from what other programs put on the clipboard: groups, the font table with
// charsets, the colour table, fonts, sizes, bold, italic, colours, paragraphs, "\'hh" bytes
// decoded by the code page of their font's charset, "\uN" characters with their fallback
// skipped; pictures, objects and every other destination are left out and unknown control
// words ignored. Each character gets a format with its font family, point size, bold, italic,
// foreground colour (none for the automatic colour) and charset (CharsetProperty).
//
// Malformed input never fails: what can be read is read, and reading ends with the group that
// opened the document or with the bytes.
#pragma once

#include <string_view>

class QTextCursor;
class QTextDocument;

namespace orvel {

// Whether the bytes start like an RTF document ("{\rtf", blanks before it allowed).
bool IsRtf(std::string_view data);

// Replaces the document's text with the RTF document's. The load leaves no undo step and the
// document unmodified. False, with the document emptied, when the bytes are no RTF.
bool LoadRtf(QTextDocument& document, std::string_view rtf);

// Inserts the RTF document's text at the cursor, replacing its selection, as one undo step.
// False, inserting nothing, when the bytes are no RTF.
bool InsertRtf(QTextCursor& cursor, std::string_view rtf);

} // namespace orvel
