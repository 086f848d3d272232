#include "ui/chartable/CharTableWindow.h"

#include "core/appmodel/CharTableComposition.h"
#include "ui/PostedMessages.h"
#include "ui/widgets/OneLineTextEdit.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

namespace orvel {

namespace {

constexpr int GlyphPointSize = 20;
constexpr int FieldPixelHeight = 27;

// Text of a display font: one character per byte, the byte being its code point.
QString FontText(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

// The characters a display font can hold: its codes U+0020..U+00FF. Anything else typed (a
// letter of another layout) is not in the font and is dropped.
QString InFontOnly(const QString& text) {
    QString kept;
    for (const QChar c : text)
        if (c.unicode() >= 0x20 && c.unicode() <= 0xFF && c.unicode() != 0x7F)
            kept += c;
    return kept;
}

} // namespace

// The grid.

TCharGrid::TCharGrid(TCharTableKind kind, QWidget* parent) : QWidget(parent), FKind(kind) {
    setObjectName(QStringLiteral("DrawGrid"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setMouseTracking(false);
}

QSize TCharGrid::sizeHint() const {
    return QSize(CharTableColumns * CellWidth + 1, CharTableRows * CellHeight + 1);
}

QPoint TCharGrid::CellCentre(int row, int column) const {
    return QPoint(column * CellWidth + CellWidth / 2, row * CellHeight + CellHeight / 2);
}

void TCharGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().color(QPalette::Mid));
    for (int column = 0; column <= CharTableColumns; ++column)
        painter.drawLine(column * CellWidth, 0, column * CellWidth, CharTableRows * CellHeight);
    for (int row = 0; row <= CharTableRows; ++row)
        painter.drawLine(0, row * CellHeight, CharTableColumns * CellWidth, row * CellHeight);
    QFont font(FKind == TCharTableKind::Greek ? QStringLiteral("Orvel000")
                                              : QStringLiteral("Orvel001"));
    font.setPointSize(GlyphPointSize);
    const QFontMetricsF metrics(font);
    painter.setPen(palette().color(QPalette::Text));
    for (int row = 0; row < CharTableRows; ++row)
        for (int column = 0; column < CharTableColumns; ++column) {
            const uint8_t code = CharTableCell(FKind, row, column);
            if (code == 0)
                continue;
            const QString glyph = QChar(code);
            // A glyph wider than its cell (some metrical signs) is drawn smaller to fit it.
            const qreal width = metrics.horizontalAdvance(glyph);
            QFont cellFont = font;
            if (width > CellWidth - 2)
                cellFont.setPointSizeF(GlyphPointSize * (CellWidth - 2) / width);
            painter.setFont(cellFont);
            const QRect cell(column * CellWidth, row * CellHeight, CellWidth, CellHeight);
            painter.drawText(cell, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, glyph);
        }
}

void TCharGrid::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() != Qt::LeftButton || !rect().contains(at))
        return;
    const int row = at.y() / CellHeight;
    const int column = at.x() / CellWidth;
    if (row < CharTableRows && column < CharTableColumns)
        emit CellClicked(CharTableCell(FKind, row, column));
}

// The composition field.

TCompositionField::TCompositionField(const QString& fontName, QWidget* parent) : QTextEdit(parent) {
    setObjectName(QStringLiteral("RichEdit"));
    MakeOneLine(*this);
    setContextMenuPolicy(Qt::NoContextMenu);
    QFont font(fontName);
    font.setPixelSize(FieldPixelHeight);
    setFont(font);
    document()->setDefaultFont(font);
    document()->setDocumentMargin(2);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize TCompositionField::sizeHint() const {
    const int height = QFontMetrics(document()->defaultFont()).height() + 4 + 2 * frameWidth() + 2;
    return QSize(QTextEdit::sizeHint().width(), height);
}

QSize TCompositionField::minimumSizeHint() const {
    return QSize(40, sizeHint().height());
}

void TCompositionField::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        if (event->key() == Qt::Key_A || event->key() == Qt::Key_Z)
            QTextEdit::keyPressEvent(event);
        else
            event->accept();
        FEnterPressed = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        FEnterPressed = true;
        event->accept();
        return;
    }
    const QString text = event->text();
    if (text.isEmpty() || text.front().unicode() < 0x20) {
        QTextEdit::keyPressEvent(event); // movement, deletion and modifier keys
        return;
    }
    const QString kept = InFontOnly(text);
    if (!kept.isEmpty())
        textCursor().insertText(kept);
    event->accept();
}

void TCompositionField::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // Only an Enter pressed here counts: the one that opened the table is released in it.
    if (enter && FEnterPressed && !event->isAutoRepeat()) {
        FEnterPressed = false;
        emit EnterReleased(event->modifiers() & Qt::ControlModifier);
    }
}

void TCompositionField::inputMethodEvent(QInputMethodEvent* event) {
    QInputMethodEvent kept(event->preeditString(), event->attributes());
    kept.setCommitString(InFontOnly(event->commitString()), event->replacementStart(),
                         event->replacementLength());
    QTextEdit::inputMethodEvent(&kept);
    event->setAccepted(kept.isAccepted());
}

bool TCompositionField::canInsertFromMimeData(const QMimeData*) const {
    return false;
}

// The window.

TCharTableWindow::TCharTableWindow(TCharTableKind kind, const QString& caption,
                                   const QString& okHint, QWidget* parent)
    : QDialog(parent), FKind(kind),
      FFontName(kind == TCharTableKind::Greek ? QStringLiteral("Orvel000")
                                              : QStringLiteral("Orvel001")) {
    setWindowTitle(caption);
    RichEdit = new TCompositionField(FFontName, this);
    btnOk = new QPushButton(QStringLiteral("Copy"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setToolTip(okHint);
    btnOk->setAutoDefault(false);
    DrawGrid = new TCharGrid(kind, this);
    pnlKeys = new QLabel(this);
    pnlKeys->setObjectName(QStringLiteral("pnlKeys"));
    pnlKeys->setTextFormat(Qt::PlainText);
    QFont keysFont(QStringLiteral("Times New Roman"));
    keysFont.setBold(true);
    pnlKeys->setFont(keysFont);
    pnlKeys->setFrameShape(QFrame::StyledPanel);
    btnHelp = new QPushButton(QStringLiteral("?"), this);
    btnHelp->setObjectName(QStringLiteral("btnHelp"));
    btnHelp->setToolTip(QString::fromUtf8("Справка по работе с таблицей"));
    btnHelp->setAutoDefault(false);
    btnHelp->setFocusPolicy(Qt::NoFocus);

    auto* top = new QHBoxLayout;
    top->addWidget(RichEdit, 1);
    top->addWidget(btnOk);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(pnlKeys, 1);
    bottom->addWidget(btnHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(DrawGrid, 0, Qt::AlignHCenter);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(DrawGrid, &TCharGrid::CellClicked, this, &TCharTableWindow::CellClicked);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnHelp, &QPushButton::clicked, this,
            [this] { emit HelpRequested(CharTableHelpTopic); });
    connect(RichEdit, &TCompositionField::EnterReleased, this, [this](bool ctrl) {
        PostToSelf(ctrl && FKind == TCharTableKind::Greek ? WM_TABLE_WORD : WM_TABLE_OK);
    });
}

std::string TCharTableWindow::ComposedBytes() const {
    const QByteArray bytes = RichEdit->toPlainText().toLatin1();
    return std::string(bytes.constData(), size_t(bytes.size()));
}

void TCharTableWindow::SetComposedBytes(const std::string& bytes, int caret) {
    RichEdit->setPlainText(FontText(bytes));
    QTextCursor cursor(RichEdit->document());
    const int end = RichEdit->document()->characterCount() - 1;
    cursor.setPosition(caret < 0 || caret > end ? end : caret);
    RichEdit->setTextCursor(cursor);
}

int TCharTableWindow::Caret() const {
    return RichEdit->textCursor().position();
}

QString TCharTableWindow::KeyPanelText() const {
    return pnlKeys->text();
}

void TCharTableWindow::PostToSelf(int message) {
    QCoreApplication::postEvent(this, new TPostedMessage(message, 0));
}

bool TCharTableWindow::event(QEvent* event) {
    if (event->type() != TPostedMessage::EventType())
        return QDialog::event(event);
    switch (static_cast<TPostedMessage*>(event)->Message) {
    case WM_TABLE_FOCUS:
        RichEdit->setFocus();
        break;
    case WM_TABLE_OK:
        if (isVisible())
            accept();
        break;
    case WM_TABLE_WORD:
        if (isVisible())
            TransferToWord();
        break;
    default:
        break;
    }
    return true;
}

void TCharTableWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    pnlKeys->clear();
    RichEdit->setFocus();
}

void TCharTableWindow::CellClicked(uint8_t code) {
    const TCellClick click = ClickCharTableCell(FKind, code);
    QTextCursor cursor = RichEdit->textCursor();
    const int start = cursor.selectionStart();
    cursor.insertText(FontText(click.Inserted));
    if (click.CaretBefore)
        cursor.setPosition(start);
    RichEdit->setTextCursor(cursor);
    pnlKeys->setText(QString::fromUtf8(click.KeyCaption));
    PostToSelf(WM_TABLE_FOCUS);
}

} // namespace orvel
