#include "ui/widgets/OneLineTextEdit.h"

#include <QTextEdit>

namespace orvel {

void MakeOneLine(QTextEdit& edit) {
    edit.setLineWrapMode(QTextEdit::NoWrap);
    edit.setWordWrapMode(QTextOption::NoWrap);
    edit.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit.setTabChangesFocus(true);
    edit.setAcceptRichText(false);
    edit.setAcceptDrops(false);
}

} // namespace orvel
