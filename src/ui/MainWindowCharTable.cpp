// The Greek character table from the main window: F2 from the search line, the word editor that
// other programs ask for (WM_WORD_EDIT), and the search line's Beta Code mode.
#include "core/settings/Preference.h"
#include "ui/MainWindow.h"
#include "ui/PostedMessages.h"
#include "ui/chartable/FormCharTable.h"
#include "ui/lookup/LookupPanel.h"

#include <QAction>

namespace orvel {

void TFormOrvel::CreateCharTable() {
    FormCharTable = new TFormCharTable(this);
    connect(FormCharTable, &TCharTableWindow::HelpRequested, this,
            [this](int topic) { Guarded(TReport::InternalError, [&] { ShowHelp(topic); }); });
    connect(Action(TMainAction::ViewCharTable), &QAction::triggered, this,
            [this] { Guarded(TReport::InternalError, [&] { ViewCharTable(); }); });

    actSearchBetaCode = new QAction(QStringLiteral("&Beta Code"), this);
    actSearchBetaCode->setObjectName(QStringLiteral("actSearchBetaCode"));
    actSearchBetaCode->setCheckable(true);
    actSearchBetaCode->setToolTip(QString::fromUtf8("Бета-код"));
    actSearchBetaCode->setStatusTip(
        QString::fromUtf8("Ввод греческого слова в строку поиска бета-кодом: a)gaqo/s — ἀγαθός"));
    connect(actSearchBetaCode, &QAction::toggled, this, [this](bool on) {
        FPreference.SearchBetaCode = on;
        FLookupPanel->SetBetaCode(on);
    });
}

void TFormOrvel::ApplyBetaCodePreference() {
    actSearchBetaCode->setChecked(FPreference.SearchBetaCode);
    FLookupPanel->SetBetaCode(FPreference.SearchBetaCode);
}

void TFormOrvel::ViewCharTable() {
    if (FormCharTable->isVisible())
        return;
    int caret = 0;
    const std::string text = FLookupPanel->TextForCharTable(caret);
    FormCharTable->SetWordTransfer(true);
    FormCharTable->SetComposedBytes(text, caret);
    if (FormCharTable->exec() != QDialog::Accepted)
        return;
    FLookupPanel->TakeComposedWord(FormCharTable->ComposedBytes(), FormCharTable->Caret());
    PostMessage(WM_SEARCH_LINE, SEARCH_WORDS_TAB);
}

void TFormOrvel::WordEdit() {
    // Asked for by another program, possibly while the dictionary is still loading: the word
    // is looked up once it is loaded.
    if (FormCharTable->isVisible())
        return;
    FormCharTable->SetWordTransfer(true);
    FormCharTable->SetComposedBytes(std::string());
    if (FormCharTable->exec() != QDialog::Accepted)
        return;
    FLookupPanel->TakeComposedWord(FormCharTable->ComposedBytes());
    PostMessage(WM_SEARCH_LINE, SEARCH_WORDS_TAB);
}

} // namespace orvel
