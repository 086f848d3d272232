#include "ui/fulltext/FullTextPanel.h"

#include "core/appmodel/WordListBlock.h"
#include "ui/PostedMessages.h"
#include "ui/fulltext/DlgTextSearch.h"
#include "ui/widgets/WordListBox.h"

namespace orvel {

TFullTextPanel::TFullTextPanel(TMainDictionary& dictionary, QObject* parent)
    : QObject(parent), FDictionary(dictionary), ListBoxSearch(new TWordListBox(ListSearch, false)) {
    ListBoxSearch->setObjectName(QStringLiteral("ListBoxSearch"));
    ListBoxSearch->setProperty("tabSheet", QStringLiteral("TabSheetSearch"));
    connect(ListBoxSearch, &TWordListBox::OpenRequested, this, &TFullTextPanel::OpenRequested);
}

QWidget* TFullTextPanel::Control() const {
    return ListBoxSearch;
}

QString TFullTextPanel::Run(const std::string& key, bool continueSearch, int32_t hitLimit,
                            QWidget* window) {
    ListBoxSearch->clear();
    TVkrObjectList<TWordDescriptor> hits(true);
    QString error;
    {
        TDlgTextSearch dialog(FDictionary, FSession, key, hits, continueSearch, hitLimit, window);
        dialog.exec();
        error = dialog.ErrorText();
    }
    ListBoxSearch->setUpdatesEnabled(false);
    for (int i = 0; i < hits.Count(); ++i)
        ListBoxSearch->AddDescriptor(*hits.Items(i));
    ListBoxSearch->setUpdatesEnabled(true);
    return error;
}

int TFullTextPanel::Count() const {
    return ListBoxSearch->count();
}

void TFullTextPanel::SelectFirst() {
    if (ListBoxSearch->count() > 0)
        ListBoxSearch->setCurrentRow(0);
}

std::optional<TWordDescriptor> TFullTextPanel::SelectedWord() const {
    if (const TWordListItem* item = ListBoxSearch->SelectedWordItem())
        return item->Descriptor();
    return std::nullopt;
}

void TFullTextPanel::FocusList() {
    ListBoxSearch->setFocus();
}

void TFullTextPanel::SetListFont(int pointSize, bool bold) {
    ListBoxSearch->SetListFont(pointSize, bold, ListItemHeight(pointSize));
}

void TFullTextPanel::AddActionState(TMainWindowState& state) const {
    state.SearchCanContinue = CanContinue();
}

} // namespace orvel
