#include "ui/article/ArticlePane.h"

#include "platform/RtfReader.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QWheelEvent>

namespace orvel {

namespace {

constexpr int WheelStep = 120; // one notch of a wheel, in eighths of a degree

bool IsLetterKey(int key) {
    return key >= Qt::Key_A && key <= Qt::Key_Z;
}

} // namespace

TArticlePane::TArticlePane(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setUndoRedoEnabled(false);
    setAcceptDrops(false);
    // The selection stays as visible without the focus as with it.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(palette);
}

int TArticlePane::LineStep() const {
    // The line at the top of the view: articles mix sizes, so a line is the one shown.
    const QTextCursor top = cursorForPosition(QPoint(0, 0));
    const QTextBlock block = top.block();
    if (const QTextLayout* layout = block.layout(); layout && layout->lineCount() > 0) {
        const QTextLine line = layout->lineForTextPosition(top.positionInBlock());
        if (line.isValid() && line.height() >= 1)
            return int(line.height() + 0.5);
    }
    return QFontMetrics(document()->defaultFont()).lineSpacing();
}

bool TArticlePane::LoadRtfText(std::string_view rtf) {
    if (!IsRtf(rtf))
        return false;
    QTextDocument* previous = document();
    auto* loaded = new QTextDocument(this);
    loaded->setDefaultFont(previous->defaultFont());
    loaded->setDocumentMargin(previous->documentMargin());
    loaded->setUndoRedoEnabled(false);
    LoadRtf(*loaded, rtf);
    // The pane's first document belongs to Qt, which deletes it on replacing; later ones are
    // the pane's own.
    const bool own = previous->parent() == this;
    setDocument(loaded);
    if (own)
        delete previous;
    return true;
}

bool TArticlePane::event(QEvent* event) {
    // The window's shortcuts (copy, select all) come before the control's own.
    if (event->type() == QEvent::ShortcutOverride) {
        event->ignore();
        return true;
    }
    return QTextEdit::event(event);
}

void TArticlePane::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (IsLetterKey(key) || key == Qt::Key_Return || key == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void TArticlePane::keyReleaseEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        event->accept();
        emit EnterReleased();
        return;
    }
    if (IsLetterKey(key)) {
        event->accept();
        return;
    }
    QTextEdit::keyReleaseEvent(event);
}

void TArticlePane::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) { // no zooming
        event->accept();
        return;
    }
    FWheelRemainder += event->angleDelta().y();
    const int steps = FWheelRemainder / WheelStep;
    FWheelRemainder -= steps * WheelStep;
    QScrollBar* bar = verticalScrollBar();
    for (int i = 0; i < std::abs(steps); ++i)
        bar->setValue(bar->value() + (steps > 0 ? -LineStep() : LineStep()));
    event->accept();
}

void TArticlePane::mousePressEvent(QMouseEvent* event) {
    QTextEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit LeftPressed(event->globalPosition().toPoint(), event->timestamp());
}

void TArticlePane::mouseDoubleClickEvent(QMouseEvent* event) {
    QMouseEvent press(QEvent::MouseButtonPress, event->position(), event->scenePosition(),
                      event->globalPosition(), event->button(), event->buttons(),
                      event->modifiers(), event->pointingDevice());
    press.setTimestamp(event->timestamp());
    mousePressEvent(&press);
    event->setAccepted(press.isAccepted());
}

void TArticlePane::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && FMenuOnRightRelease) {
        event->accept();
        emit ContextMenuRequested(event->globalPosition().toPoint());
        return;
    }
    QTextEdit::mouseReleaseEvent(event);
}

void TArticlePane::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (!FMenuOnRightRelease)
        emit ContextMenuRequested(event->globalPos());
}

} // namespace orvel
