#include "ui/lists/ListPanel.h"

#include "core/appmodel/WordListBlock.h"
#include "ui/widgets/WordListBox.h"

namespace orvel {

TListPanel::TListPanel(int listNumber, const QString& name, const QString& tabSheet,
                       QObject* parent)
    : QObject(parent), FListNumber(listNumber), ListBox(new TWordListBox(listNumber, false)) {
    ListBox->setObjectName(name);
    ListBox->setProperty("tabSheet", tabSheet);
    connect(ListBox, &TWordListBox::OpenRequested, this, &TListPanel::OpenRequested);
}

QWidget* TListPanel::Control() const {
    return ListBox;
}

bool TListPanel::HasSelectedWord() const {
    return ListBox->SelectedWordItem() != nullptr;
}

std::optional<TWordDescriptor> TListPanel::SelectedWord() const {
    if (const TWordListItem* item = ListBox->SelectedWordItem())
        return item->Descriptor();
    return std::nullopt;
}

void TListPanel::FocusList() {
    ListBox->setFocus();
}

void TListPanel::SetListFont(int pointSize, bool bold) {
    ListBox->SetListFont(pointSize, bold, ListItemHeight(pointSize));
}

} // namespace orvel
