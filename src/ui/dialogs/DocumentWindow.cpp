#include "ui/dialogs/DocumentWindow.h"

#include "platform/RtfReader.h"
#include "ui/dialogs/HelpWindow.h"

#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

namespace orvel {

TDocumentWindow::TDocumentWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    Text = new QTextEdit(this);
    Text->setReadOnly(true);
    Text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Text);
    resize(640, 560);
    AddCloseKeys(*this);
}

bool TDocumentWindow::ShowRtf(const QString& title, const QByteArray& rtf) {
    const std::string_view bytes(rtf.constData(), size_t(rtf.size()));
    if (!IsRtf(bytes))
        return false;
    LoadRtf(*Text->document(), bytes);
    Text->moveCursor(QTextCursor::Start);
    setWindowTitle(title);
    show();
    raise();
    activateWindow();
    return true;
}

} // namespace orvel
