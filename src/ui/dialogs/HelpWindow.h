// The help: the program's HTML pages in a browser window of their own, opened at the contents
// or at one topic; Escape and Ctrl+W close it.
#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace orvel {

// Escape and Ctrl+W close a viewer window, as they close the viewers of the desktop.
void AddCloseKeys(QWidget& window);

class THelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Shows the page at url (the help index with a topic anchor) and brings the window up.
    void ShowPage(const QUrl& url);
    QUrl Source() const;

    QTextBrowser* Browser = nullptr;
};

} // namespace orvel
