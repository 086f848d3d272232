// The modal progress dialog of the full-text search: the search runs inside it once it is on
// the screen, with a progress bar and a Cancel button that stops the scan before its next
// article. It closes itself when the search ends, and refuses to be closed before.
#pragma once

#include "core/base/VkrObjectList.h"
#include "core/dictionary/WordDescriptor.h"

#include <QDialog>
#include <string>

class QLabel;
class QProgressBar;
class QPushButton;

namespace orvel {

class TMainDictionary;
struct TSearchSession;

class TDlgTextSearch : public QDialog {
    Q_OBJECT

public:
    // Searches key in dictionary, going on from the session's last hit when continueSearch is
    // set, and puts the hits into results; hitLimit as the search takes it.
    TDlgTextSearch(TMainDictionary& dictionary, TSearchSession& session, std::string key,
                   TVkrObjectList<TWordDescriptor>& results, bool continueSearch, int32_t hitLimit,
                   QWidget* parent);

    bool Done() const { return FDone; }
    // The search's error message; empty when it ran to its end or was cancelled.
    const QString& ErrorText() const { return FErrorText; }

    QProgressBar* ProgressBar;
    QPushButton* btnCancel;
    QLabel* lblPrompt;

public slots:
    // Escape cancels the search as the button does; the dialog closes when the search has
    // stopped.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void RunSearch();
    void Cancel();

    TMainDictionary& FDictionary;
    TSearchSession& FSession;
    const std::string FKey;
    TVkrObjectList<TWordDescriptor>& FResults;
    const bool FContinue;
    const int32_t FHitLimit;
    bool FStarted = false;
    bool FCancelled = false;
    bool FDone = false;
    QString FErrorText;
};

} // namespace orvel
