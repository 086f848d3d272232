// The settings that make a QTextEdit a one-line field: no wrapping, no scroll bars, Tab moving
// the focus on, and only plain text taken from the clipboard or by dropping.
#pragma once

class QTextEdit;

namespace orvel {

void MakeOneLine(QTextEdit& edit);

} // namespace orvel
