#include "ui/lookup/SearchLine.h"

#include "core/appmodel/BetaCodeTyping.h"
#include "core/encoding/GreekEncoding.h"
#include "platform/InputMode.h"
#include "platform/RichTextAttributes.h"
#include "platform/TextProperties.h"
#include "ui/widgets/OneLineTextEdit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextBlock>

namespace orvel {

namespace {

constexpr int DocumentMargin = 2;

// Whether a focus event moves the focus from one control to another. Activating or leaving the
// window, a pop-up menu and the keyboard's visit to the menu bar take the focus away and give
// it back to the same control without moving it.
bool MovesFocus(const QFocusEvent* event) {
    switch (event->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    default:
        return true;
    }
}

// The character at a place of the document when it is a glyph of the Greek display font; 0
// otherwise (another font, or no character there).
uint8_t GreekGlyphAt(QTextDocument* document, int position) {
    if (position < 0 || position >= document->characterCount() - 1)
        return 0;
    QTextCursor cursor(document);
    cursor.setPosition(position);
    cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
    const QString text = cursor.selectedText();
    if (text.size() != 1 || text.front().unicode() > 0xFF ||
        !cursor.charFormat().fontFamilies().toStringList().contains(QtFontName(GreekFontName)))
        return 0;
    return uint8_t(text.front().unicode());
}

} // namespace

QFont FontOfHeight(const QString& family, int pixelHeight) {
    QFont font(family);
    int size = pixelHeight;
    font.setPixelSize(size);
    // The line height of a font is larger than its pixel size by an amount of its own.
    while (size > 4 && QFontMetrics(font).height() > pixelHeight) {
        --size;
        font.setPixelSize(size);
    }
    return font;
}

TSearchLine::TSearchLine(QWidget* parent)
    : QTextEdit(parent), FFilter(new TInputModeFilter(TInputMode::Greek, this)) {
    setObjectName(QStringLiteral("RichEditSearch"));
    MakeOneLine(*this);
    setUndoRedoEnabled(true);
    document()->setDocumentMargin(DocumentMargin);
    installEventFilter(FFilter);
    connect(FFilter, &TInputModeFilter::CharFormatRequested, this,
            [this](const QTextCharFormat& format) { mergeCurrentCharFormat(format); });
    // A capital waiting for its letter is forgotten when anything else changes the line or
    // moves the caret.
    for (auto signal : {&QTextEdit::textChanged, &QTextEdit::cursorPositionChanged})
        connect(this, signal, this, [this] {
            if (!FEditingBetaCode)
                FBetaPending.clear();
        });
    const TTypedFormat greek = InputModeFormat(TInputMode::Greek);
    SetLineFont(QString::fromLatin1(greek.FontName), greek.Charset);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TSearchLine::SetLineFont(const QString& fontName, int charset) {
    const QFont font = FontOfHeight(fontName, FontHeight);
    setFont(font);
    document()->setDefaultFont(font);
    QTextCharFormat format;
    format.setFontFamilies({fontName});
    format.setProperty(CharsetProperty, charset);
    mergeCurrentCharFormat(format);
    updateGeometry();
}

void TSearchLine::SetInputMode(TInputMode mode, TInputModeOptions options) {
    if (options.Clear)
        clear();
    const TTypedFormat format = InputModeFormat(mode);
    SetLineFont(QString::fromLatin1(format.FontName), format.Charset);
    FFilter->SetMode(mode, options.SwitchKeyboard);
}

void TSearchLine::SetBetaCode(bool on) {
    FBetaCode = on;
    FBetaPending.clear();
}

void TSearchLine::TypeBetaCodeKey(char key) {
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection()) {
        cursor.removeSelectedText();
        setTextCursor(cursor);
    }
    const int caret = cursor.position();
    std::string before;
    for (int position = caret - 1; position >= caret - 2; --position) {
        const uint8_t glyph = GreekGlyphAt(document(), position);
        if (!glyph)
            break;
        before.insert(before.begin(), char(glyph));
    }
    const uint8_t next = GreekGlyphAt(document(), caret);
    const bool letterFollows =
        next && (!FontCharToInternal(next).empty() || IsCapitalPrefixGlyph(next));
    const TBetaCodeEdit edit = TypeBetaCode(
        {.Before = before, .Pending = FBetaPending, .Typed = key, .LetterFollows = letterFollows});
    FBetaPending = edit.Pending;
    if (edit.Error) {
        emit BetaCodeRefused(QString::fromUtf8(edit.Error->Message));
        return;
    }
    if (edit.Replaced == 0 && edit.Display.empty()) {
        emit BetaCodeWaiting(QString::fromLatin1(FBetaPending));
        return;
    }
    {
        const QScopedValueRollback editing(FEditingBetaCode, true);
        cursor.beginEditBlock();
        cursor.setPosition(caret - int(edit.Replaced), QTextCursor::KeepAnchor);
        cursor.insertText(QString::fromLatin1(edit.Display.data(), qsizetype(edit.Display.size())),
                          InputModeCharFormat(TInputMode::Greek));
        cursor.endEditBlock();
        setTextCursor(cursor);
    }
    emit CharacterTyped();
}

TInputMode TSearchLine::Mode() const {
    return FFilter->Mode();
}

bool TSearchLine::IsEmpty() const {
    return document()->isEmpty();
}

QSize TSearchLine::sizeHint() const {
    const int height = QFontMetrics(document()->defaultFont()).height() + 2 * DocumentMargin +
                       2 * frameWidth() + 2;
    return QSize(QTextEdit::sizeHint().width(), height);
}

QSize TSearchLine::minimumSizeHint() const {
    return QSize(40, sizeHint().height());
}

bool TSearchLine::event(QEvent* event) {
    // The window's shortcuts come first (Ctrl+V is the window's paste, not the control's);
    // what they leave arrives as an ordinary key press.
    if (event->type() == QEvent::ShortcutOverride) {
        event->ignore();
        return true;
    }
    return QTextEdit::event(event);
}

void TSearchLine::keyPressEvent(QKeyEvent* event) {
    FPressedKey = event->key();
    if (event->modifiers() & Qt::ControlModifier) {
        // Select all and undo stay; the control's other shortcuts (formatting, its own copy
        // and paste) are not wanted here.
        if (event->key() == Qt::Key_A || event->key() == Qt::Key_Z)
            QTextEdit::keyPressEvent(event);
        else
            event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        QTextEdit::keyPressEvent(event);
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty()) {
        QTextEdit::keyPressEvent(event); // movement and modifier keys
        return;
    }
    if (text.front().unicode() < 0x20 || text.front().unicode() == 0x7F) {
        event->accept();
        return;
    }
    if (FBetaCode && Mode() == TInputMode::Greek && text.size() == 1 &&
        IsBetaCodeCharacter(text.front().unicode())) {
        event->accept();
        TypeBetaCodeKey(char(text.front().unicode()));
        return;
    }
    QTextEdit::keyPressEvent(event);
    emit CharacterTyped();
}

void TSearchLine::inputMethodEvent(QInputMethodEvent* event) {
    // Dead keys, Compose, input methods and some system layouts deliver characters here rather
    // than as key presses; they are typed characters all the same.
    QTextEdit::inputMethodEvent(event);
    if (!event->commitString().isEmpty())
        emit CharacterTyped();
}

void TSearchLine::keyReleaseEvent(QKeyEvent* event) {
    const bool pressedHere = FPressedKey == event->key();
    if (pressedHere && !event->isAutoRepeat())
        FPressedKey = 0;
    event->accept();
    if (!pressedHere || (event->modifiers() & Qt::ControlModifier))
        return;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit EnterReleased();
        break;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        emit TextEdited();
        break;
    case Qt::Key_Down:
        emit DownReleased();
        break;
    default:
        break;
    }
}

void TSearchLine::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        emit ContextMenuRequested(event->globalPosition().toPoint());
        return;
    }
    QTextEdit::mouseReleaseEvent(event);
}

void TSearchLine::contextMenuEvent(QContextMenuEvent* event) {
    // The line's menu opens on the release of the right button, not by itself.
    event->accept();
}

void TSearchLine::SetTextColor(const QColor& color) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Text, color);
    setPalette(palette);
}

void TSearchLine::focusInEvent(QFocusEvent* event) {
    QTextEdit::focusInEvent(event);
    SetTextColor(QColor::fromRgb(FocusTextColor));
    // Coming back, the line is as it was left. At start-up the line is given the focus before
    // the window is active, and the focus arrives with the activation: it is coloured then, but
    // does not announce itself over the loading's messages.
    if (!MovesFocus(event))
        return;
    if (!IsEmpty())
        selectAll();
    emit FocusEntered();
}

void TSearchLine::focusOutEvent(QFocusEvent* event) {
    QTextEdit::focusOutEvent(event);
    if (!MovesFocus(event))
        return;
    SetTextColor(QApplication::palette(this).color(QPalette::Text));
    emit FocusLeft();
}

bool TSearchLine::canInsertFromMimeData(const QMimeData*) const {
    return false;
}

void TSearchLine::insertFromMimeData(const QMimeData*) {}

} // namespace orvel
