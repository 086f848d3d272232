// The article view's commands (select all, copy, the view of meanings) and the debugging
// commands of the hidden debug menu.
#include "core/article/ArticleRenderer.h"
#include "core/base/OrvelError.h"
#include "core/dictionary/MainDictionary.h"
#include "platform/Clipboard.h"
#include "ui/MainWindow.h"
#include "ui/article/ArticleView.h"
#include "ui/lookup/LookupPanel.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QSaveFile>

namespace orvel {

void TFormOrvel::SearchSelectAll() {
    FArticleView->SelectAll();
}

void TFormOrvel::SearchCopy() {
    {
        TBusyScope busy(*this);
        DisableActionsWithProgress(QStringLiteral("Выполняется копирование"));
        FArticleView->CopySelection();
    }
    StatusInfo(QStringLiteral("Копирование выделенной части статьи в буфер обмена выполнено"));
}

void TFormOrvel::ViewArticleEnum(bool checked) {
    FArticleView->SetEnumeratedView(checked);
    StatusInfo(checked ? QStringLiteral("Значения словарной статьи располагаются как список "
                                        "перечислений")
                       : QStringLiteral("Значения словарной статьи располагаются сплошным "
                                        "текстом"));
}

void TFormOrvel::DebugTranslateWord() {
    if (FBusy)
        return;
    FArticleView->ShowText(FLookupPanel->BuildSearchKey(true));
}

void TFormOrvel::DebugClipboardRtf() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QByteArray rtf;
    if (data) {
        for (const char* type : {RtfMimeType, "application/rtf"})
            if (data->hasFormat(QString::fromLatin1(type))) {
                rtf = data->data(QString::fromLatin1(type));
                break;
            }
    }
    FArticleView->ShowRawText(QString::fromLatin1(rtf));
}

void TFormOrvel::DebugSaveArticle() {
    const int32_t index = FArticleView->ArticleIndex();
    if (index == -1 || !FLoaded)
        return;
    const std::string rtf =
        RenderArticle(FDictionary->GetArticleText(index), FPreference, FVocabulary);
    // Written whole or not at all, like every file the program writes.
    QSaveFile file(QDir(FEnvironment.Paths.DataFolder()).filePath(QStringLiteral("test.rtf")));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(rtf.data(), qint64(rtf.size())) != qint64(rtf.size()) || !file.commit())
        throw EOrvelError("Не удалось записать файл " + file.fileName().toStdString());
}

void TFormOrvel::DebugHintsForActions() {
    QDir().mkpath(QStringLiteral("Source"));
    QSaveFile file(QStringLiteral("Source/UnitOrvel.inc"));
    QByteArray lines;
    for (TMainAction action : MainActions()) {
        const TMainActionInfo& info = MainActionInfo(action);
        lines += QStringLiteral("%1.Hint := '%2';\n")
                     .arg(QString::fromLatin1(info.Name), QString::fromUtf8(info.Hint))
                     .toUtf8();
    }
    if (!file.open(QIODevice::WriteOnly) || file.write(lines) != lines.size() || !file.commit())
        throw EOrvelError("Не удалось записать файл " + file.fileName().toStdString());
}

} // namespace orvel
