#include "ui/chartable/FormSpecialCharTable.h"

namespace orvel {

TFormSpecialCharTable::TFormSpecialCharTable(QWidget* parent)
    : TCharTableWindow(TCharTableKind::Special, QStringLiteral("Special symbols"),
                       QString::fromUtf8("Передача символов в редактор Orvel"), parent) {
    setObjectName(QStringLiteral("FormSpecialCharTable"));
}

std::optional<std::string> TFormSpecialCharTable::Compose() {
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return ComposedBytes();
}

} // namespace orvel
