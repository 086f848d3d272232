// The program's own message box: a message with an icon and either one "Ok" button (the error
// box) or the buttons Yes, No and Cancel (a question).
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace orvel {

class TDlgBox : public QDialog {
    Q_OBJECT

public:
    // The answers of a question.
    static constexpr int AnswerYes = 6;
    static constexpr int AnswerNo = 7;
    static constexpr int AnswerCancel = 2;

    enum class TKind { Error, Question };

    TDlgBox(TKind kind, const QString& text, QWidget* parent = nullptr);

    // Shows the message with the error icon and one "Ok" button until it is closed.
    static void ShowErrorBox(const QString& text, QWidget* parent = nullptr);
    // Asks; the answer is AnswerYes, AnswerNo or AnswerCancel (also for Escape and the close
    // button).
    static int AskYesNoCancel(const QString& text, QWidget* parent = nullptr);

    int Answer() const { return FAnswer; }

    QLabel* lblMessage = nullptr;
    QLabel* imgIcon = nullptr;
    QPushButton* btnYes = nullptr;
    QPushButton* btnNo = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void LayOut();

    int FAnswer = AnswerCancel;
};

} // namespace orvel
