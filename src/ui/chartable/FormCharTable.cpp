#include "ui/chartable/FormCharTable.h"

#include "ui/dialogs/DialogBox.h"

namespace orvel {

TFormCharTable::TFormCharTable(QWidget* parent)
    : TCharTableWindow(TCharTableKind::Greek, QStringLiteral("Greek table"),
                       QString::fromUtf8("Передача греческого слова в словарь Orvel"), parent) {
    setObjectName(QStringLiteral("FormCharTable"));
}

std::optional<std::string> TFormCharTable::ComposeForEditor() {
    SetWordTransfer(false);
    SetComposedBytes(std::string());
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return ComposedBytes();
}

void TFormCharTable::TransferToWord() {
    // Microsoft Word does not run on this system, so its window is never found: the table says
    // so and closes without handing the text over, as it does wherever Word is missing.
    TDlgBox::ShowErrorBox(QString::fromUtf8("Ошибка связи с Word\r\nНе могу найти окно Word"),
                          this);
    reject();
}

} // namespace orvel
