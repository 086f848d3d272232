// A document that comes with the program (readme.rtf and the others), shown read-only in a
// window of its own when no application of the desktop takes RTF. Escape and Ctrl+W close it.
#pragma once

#include <QWidget>

class QTextEdit;

namespace orvel {

class TDocumentWindow : public QWidget {
    Q_OBJECT

public:
    explicit TDocumentWindow(QWidget* parent = nullptr);

    // Shows the RTF document under the title and brings the window up. False, leaving the
    // window as it was, when the bytes hold no RTF.
    bool ShowRtf(const QString& title, const QByteArray& rtf);

    QTextEdit* Text = nullptr;
};

} // namespace orvel
