#include "ui/places/BookmarkFileDialog.h"

#include <QFileDialog>

namespace orvel {

QString ChooseBookmarkFile(QWidget* parent, TBookmarkDialog kind, const QString& folder,
                           const QString& name) {
    QFileDialog dialog(parent);
    dialog.setNameFilter(QStringLiteral("Bookmarks (*.bmr)"));
    dialog.setDefaultSuffix(QStringLiteral("bmr"));
    dialog.setDirectory(folder);
    if (kind == TBookmarkDialog::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    if (!name.isEmpty())
        dialog.selectFile(name + QStringLiteral(".bmr"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace orvel
