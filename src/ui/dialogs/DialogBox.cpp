#include "ui/dialogs/DialogBox.h"

#include "core/appmodel/DialogBoxLayout.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace orvel {

namespace {

constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;

QPushButton* MakeButton(const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->resize(std::max(ButtonWidth, button->sizeHint().width()),
                   std::max(ButtonHeight, button->sizeHint().height()));
    return button;
}

// Messages of the core break lines with CR LF.
QString DisplayText(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

TDlgBox::TDlgBox(TKind kind, const QString& text, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Orvel information"));
    setModal(true);

    imgIcon = new QLabel(this);
    const QStyle::StandardPixmap icon =
        kind == TKind::Error ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxQuestion;
    imgIcon->setPixmap(style()->standardIcon(icon).pixmap(DialogIconSize, DialogIconSize));
    imgIcon->setFixedSize(DialogIconSize, DialogIconSize);

    lblMessage = new QLabel(DisplayText(text), this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    lblMessage->setFont(font);
    lblMessage->setWordWrap(true);
    lblMessage->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    btnYes = MakeButton(kind == TKind::Error ? QStringLiteral("Ok") : QStringLiteral("Yes"), this);
    btnNo = MakeButton(QStringLiteral("No"), this);
    btnCancel = MakeButton(QStringLiteral("Cancel"), this);
    btnYes->setDefault(true);
    btnYes->setAutoDefault(true);
    btnNo->setVisible(kind == TKind::Question);
    btnCancel->setVisible(kind == TKind::Question);

    connect(btnYes, &QPushButton::clicked, this, [this] {
        FAnswer = AnswerYes;
        accept();
    });
    connect(btnNo, &QPushButton::clicked, this, [this] {
        FAnswer = AnswerNo;
        accept();
    });
    connect(btnCancel, &QPushButton::clicked, this, &TDlgBox::reject);
}

void TDlgBox::reject() {
    FAnswer = AnswerCancel;
    QDialog::reject();
}

void TDlgBox::showEvent(QShowEvent* event) {
    LayOut();
    QDialog::showEvent(event);
    btnYes->setFocus();
}

void TDlgBox::LayOut() {
    const QFontMetrics metrics(lblMessage->font());
    int naturalWidth = 0;
    for (const QString& line : lblMessage->text().split(u'\n'))
        naturalWidth = std::max(naturalWidth, metrics.horizontalAdvance(line) + 2);
    const TDialogLabelSize label = DialogLabelSize(
        naturalWidth, [this](int width) { return lblMessage->heightForWidth(width); });

    std::vector<int32_t> widths;
    QList<QPushButton*> visible;
    for (QPushButton* button : {btnYes, btnNo, btnCancel})
        if (!button->isHidden()) {
            visible << button;
            widths.push_back(button->width());
        }
    const TDialogBoxLayout layout =
        LayOutDialogBox(DialogLabelLeft, label.Width, label.Height, widths, btnYes->height());

    lblMessage->setGeometry(DialogLabelLeft, layout.LabelTop, label.Width, label.Height);
    imgIcon->move(DialogIconLeft, layout.IconTop);
    for (QPushButton* button : {btnYes, btnNo, btnCancel})
        button->move(button->x(), layout.ButtonTop);
    for (qsizetype i = 0; i < visible.size(); ++i)
        visible[i]->move(layout.ButtonLefts[size_t(i)], layout.ButtonTop);
    setFixedSize(layout.ClientWidth, layout.ClientHeight);
}

void TDlgBox::ShowErrorBox(const QString& text, QWidget* parent) {
    TDlgBox box(TKind::Error, text, parent ? parent : QApplication::activeWindow());
    box.exec();
}

int TDlgBox::AskYesNoCancel(const QString& text, QWidget* parent) {
    TDlgBox box(TKind::Question, text, parent ? parent : QApplication::activeWindow());
    box.exec();
    return box.Answer();
}

} // namespace orvel
