#include "ui/dialogs/AboutBox.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvel {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Orvel"));
    setModal(true);

    auto* name = new QLabel(QStringLiteral("Orvel"), this);
    QFont nameFont(QStringLiteral("Arial"));
    nameFont.setPointSize(18);
    nameFont.setBold(true);
    name->setFont(nameFont);
    name->setAlignment(Qt::AlignCenter);

    auto* description = new QLabel(QStringLiteral("Древнегреческо-русский словарь"), this);
    description->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(QString::fromUtf8(VersionLine), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setAlignment(Qt::AlignCenter);

    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(10);
    layout->addWidget(name);
    layout->addWidget(description);
    layout->addWidget(version);
    layout->addSpacing(8);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    setFixedSize(sizeHint().expandedTo(QSize(320, 0)));
}

} // namespace orvel
