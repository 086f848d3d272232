#include "ui/noteeditor/NoteRichEdit.h"

#include "platform/Clipboard.h"
#include "platform/RichTextAdapter.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QTextBlock>

namespace orvel {

bool OffersRichText(const QMimeData* data) {
    if (!data)
        return false;
    for (const char* type : {OrvelRichTextMimeType, RtfMimeType, "application/rtf"})
        if (data->hasFormat(QString::fromLatin1(type)))
            return true;
    return false;
}

TNoteRichEdit::TNoteRichEdit(const TPreference& preference, QWidget* parent)
    : QTextEdit(parent), FPreference(preference) {
    setAcceptRichText(true);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { LimitLength(position, added); });
}

int TNoteRichEdit::TextLength() const {
    return document()->characterCount() - 1;
}

void TNoteRichEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

bool TNoteRichEdit::canInsertFromMimeData(const QMimeData* source) const {
    return OffersRichText(source);
}

void TNoteRichEdit::insertFromMimeData(const QMimeData* source) {
    if (!OffersRichText(source))
        return;
    QTextCursor cursor = textCursor();
    InsertMimeData(cursor, source);
    setTextCursor(cursor);
}

QMimeData* TNoteRichEdit::createMimeDataFromSelection() const {
    TRichTextAdapter adapter(document());
    adapter.SetCursor(textCursor());
    return SelectionMimeData(adapter, FPreference).release();
}

void TNoteRichEdit::LimitLength(int position, int added) {
    const int excess = TextLength() - NoteMaxLength;
    if (FLimiting || excess <= 0 || added <= 0)
        return;
    const QScopedValueRollback limiting(FLimiting, true);
    const int end = position + added;
    QTextCursor cursor(document());
    cursor.setPosition(std::max(position, end - excess));
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

} // namespace orvel
