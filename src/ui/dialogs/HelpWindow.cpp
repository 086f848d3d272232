#include "ui/dialogs/HelpWindow.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace orvel {

void AddCloseKeys(QWidget& window) {
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        QObject::connect(new QShortcut(keys, &window), &QShortcut::activated, &window,
                         &QWidget::close);
}

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Orvel Help"));
    Browser = new QTextBrowser(this);
    Browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Browser);
    resize(640, 560);
    AddCloseKeys(*this);
}

void THelpWindow::ShowPage(const QUrl& url) {
    // The same page with another anchor only scrolls; setSource would not reload it.
    if (Browser->source().adjusted(QUrl::RemoveFragment) == url.adjusted(QUrl::RemoveFragment))
        Browser->scrollToAnchor(url.fragment());
    else
        Browser->setSource(url);
    if (!url.fragment().isEmpty())
        Browser->scrollToAnchor(url.fragment());
    show();
    raise();
    activateWindow();
}

QUrl THelpWindow::Source() const {
    return Browser->source();
}

} // namespace orvel
