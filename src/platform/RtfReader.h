// RTF into a QTextDocument, through the core's RTF reader (core/article/RtfDocument.h), which
// also gives IsRtf. Each character gets a format with its font family, point size, bold,
// italic, foreground colour (none for the automatic colour) and charset (CharsetProperty).
// Malformed input never fails: what can be read is read.
#pragma once

#include "core/article/RtfDocument.h"

#include <string_view>

class QTextCursor;
class QTextDocument;

namespace orvel {

// Replaces the document's text with the RTF document's. The load leaves no undo step and the
// document unmodified. False, with the document emptied, when the bytes are no RTF.
bool LoadRtf(QTextDocument& document, std::string_view rtf);

// Inserts the RTF document's text at the cursor, replacing its selection, as one undo step.
// False, inserting nothing, when the bytes are no RTF.
bool InsertRtf(QTextCursor& cursor, std::string_view rtf);

} // namespace orvel
