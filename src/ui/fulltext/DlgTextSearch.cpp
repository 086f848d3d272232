#include "ui/fulltext/DlgTextSearch.h"

#include "core/search/FullTextSearch.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

namespace orvel {

TDlgTextSearch::TDlgTextSearch(TMainDictionary& dictionary, TSearchSession& session,
                               std::string key, TVkrObjectList<TWordDescriptor>& results,
                               bool continueSearch, int32_t hitLimit, QWidget* parent)
    : QDialog(parent), FDictionary(dictionary), FSession(session), FKey(std::move(key)),
      FResults(results), FContinue(continueSearch), FHitLimit(hitLimit) {
    setObjectName(QStringLiteral("DlgTextSearch"));
    setWindowTitle(QStringLiteral("Orvel Search"));
    // A caption and nothing else: no close, minimise or maximise buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    lblPrompt = new QLabel(
        QStringLiteral("Для досрочного прекращения поиска нажмите кнопку \"Cancel\""), this);
    lblPrompt->setObjectName(QStringLiteral("lblPrompt"));
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false); // a smooth bar, without the percentage written on it
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);
    connect(btnCancel, &QPushButton::clicked, this, &TDlgTextSearch::Cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblPrompt);
    layout->addWidget(ProgressBar);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnCancel);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    FSession.StopSearch = false;
}

void TDlgTextSearch::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QWidget* owner = parentWidget())
        move(owner->geometry().center() - rect().center());
    if (FStarted)
        return;
    FStarted = true;
    // The search starts once the dialog is on the screen.
    QMetaObject::invokeMethod(this, &TDlgTextSearch::RunSearch, Qt::QueuedConnection);
}

void TDlgTextSearch::RunSearch() {
    try {
        Search(FDictionary, FSession, FKey, FResults, FContinue, FHitLimit, [this](int percent) {
            ProgressBar->setValue(percent);
            // Lets the dialog paint and Cancel be clicked.
            QCoreApplication::processEvents();
            // The search clears the stop request when it starts: a Cancel that came before
            // is passed on now.
            if (FCancelled)
                FSession.StopSearch = true;
        });
    } catch (const std::exception& error) {
        FErrorText = QString::fromUtf8(error.what());
    } catch (...) {
        FErrorText = QStringLiteral("unknown error");
    }
    FDone = true;
    accept();
}

void TDlgTextSearch::Cancel() {
    FCancelled = true;
    FSession.StopSearch = true;
}

void TDlgTextSearch::reject() {
    if (FDone)
        QDialog::reject();
    else
        Cancel();
}

void TDlgTextSearch::closeEvent(QCloseEvent* event) {
    if (FDone)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

} // namespace orvel
