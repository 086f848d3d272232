#include "platform/RtfReader.h"

#include "core/article/RtfDocument.h"
#include "platform/RichTextAttributes.h"

#include <QTextCursor>
#include <QTextDocument>

namespace orvel {
namespace {

TRichTextAttributes QtAttributes(const TRtfAttributes& attributes) {
    TRichTextAttributes qt;
    qt.FontName = QString::fromStdString(attributes.FontName);
    qt.Charset = attributes.Charset;
    qt.Bold = attributes.Bold;
    qt.Italic = attributes.Italic;
    qt.Color = attributes.Color;
    qt.Size = attributes.Size;
    return qt;
}

// The core's paragraph break U+2029 is also the document's.
void InsertRuns(QTextCursor& cursor, const std::vector<TRtfRun>& runs) {
    for (const TRtfRun& run : runs)
        cursor.insertText(QString::fromUcs4(run.Text.data(), qsizetype(run.Text.size())),
                          MakeCharFormat(QtAttributes(run.Attributes)));
}

} // namespace

bool LoadRtf(QTextDocument& document, std::string_view rtf) {
    document.clear();
    if (!IsRtf(rtf))
        return false;
    const std::vector<TRtfRun> runs = ReadRtfRuns(rtf);
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    QTextCursor cursor(&document);
    // One edit block: the document is laid out once, not after every run.
    cursor.beginEditBlock();
    InsertRuns(cursor, runs);
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undo);
    document.setModified(false);
    return true;
}

bool InsertRtf(QTextCursor& cursor, std::string_view rtf) {
    if (!IsRtf(rtf))
        return false;
    const std::vector<TRtfRun> runs = ReadRtfRuns(rtf);
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    InsertRuns(cursor, runs);
    cursor.endEditBlock();
    return true;
}

} // namespace orvel
