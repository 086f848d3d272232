// The history and the bookmarks: adding shown articles to the history, the bookmark commands
// with their questions and messages, and loading and saving the current bookmark set, at start,
// on the user's command and at closing.
#include "core/base/AtomicFile.h"
#include "core/dictionary/MainDictionary.h"
#include "core/encoding/Windows1251.h"
#include "core/places/BookmarkFiles.h"
#include "ui/MainWindow.h"
#include "ui/article/ArticleView.h"
#include "ui/dialogs/DialogBox.h"
#include "ui/places/BookmarksPanel.h"
#include "ui/places/HistoryPanel.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace orvel {

namespace {

using A = TMainAction;

const QString ReadError = QStringLiteral("Не могу прочитать файл закладок.\r\n");
const QString SaveError = QStringLiteral("Не могу сохранить файл закладок.\r\n");
const QString NoSetName = QStringLiteral("Имя файла не годится для набора закладок: ");

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString FromLocalPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

QString ErrorText(const std::exception& error) {
    return QString::fromUtf8(error.what());
}

} // namespace

void TFormOrvel::CreateBookmarkActions() {
    const std::pair<A, void (TFormOrvel::*)()> handlers[] = {
        {A::BookmarkAdd, &TFormOrvel::BookmarkAdd},
        {A::BookmarkRemove, &TFormOrvel::BookmarkRemove},
        {A::BookmarkRemoveAll, &TFormOrvel::BookmarkRemoveAll},
        {A::BookmarkLoad, &TFormOrvel::BookmarkLoad},
        {A::BookmarkSave, &TFormOrvel::BookmarkSave},
    };
    for (const auto& [action, handler] : handlers) {
        // Loading and saving report their failures as errors, the others as internal ones.
        const TReport report = action == A::BookmarkLoad || action == A::BookmarkSave
                                   ? TReport::Error
                                   : TReport::InternalError;
        connect(MakeAction(action), &QAction::triggered, this,
                [this, report, handler] { Guarded(report, [&] { (this->*handler)(); }); });
    }
    FBookmarkFileChooser = [this](TBookmarkDialog kind, const QString& folder,
                                  const QString& name) {
        return ChooseBookmarkFile(this, kind, folder, name);
    };
}

void TFormOrvel::CreateBookmarkMenu() {
    QMenu* bookmarks = AddMenu(QStringLiteral("&Bookmarks"), QStringLiteral("mnuBookmarks"));
    bookmarks->addAction(Action(A::BookmarkAdd));
    bookmarks->addAction(Action(A::BookmarkRemove));
    bookmarks->addAction(Action(A::BookmarkRemoveAll));
    bookmarks->addSeparator();
    bookmarks->addAction(Action(A::BookmarkLoad));
    bookmarks->addAction(Action(A::BookmarkSave));

    PopupMenuBookmark = new QMenu(this);
    PopupMenuBookmark->setObjectName(QStringLiteral("PopupMenuBookmark"));
    PopupMenuBookmark->addAction(Action(A::BookmarkRemove));
    PopupMenuBookmark->addAction(Action(A::BookmarkRemoveAll));
    PopupMenuBookmark->addSeparator();
    PopupMenuBookmark->addAction(Action(A::BookmarkLoad));
    PopupMenuBookmark->addAction(Action(A::BookmarkSave));
}

void TFormOrvel::SetBookmarkFileChooser(TBookmarkFileChooser chooser) {
    FBookmarkFileChooser = std::move(chooser);
}

void TFormOrvel::AddToHistory(int32_t index) {
    if (!FLoaded)
        return;
    FHistoryList->AddToHistory(index, FDictionary->GetHeadWord(index),
                               FPreference.ListGotoMaxCount);
}

bool TFormOrvel::BookmarksModified() const {
    return FBookmarkList->Modified();
}

std::string TFormOrvel::BookmarkFileName() const {
    return orvel::BookmarkFileName(LocalPath(FEnvironment.Paths.UserFolder()),
                                   FPreference.CommonBookmarksFileName);
}

void TFormOrvel::BookmarkAdd() {
    const int32_t index = FArticleView->ArticleIndex();
    if (!FLoaded || index == -1)
        return;
    TWordDescriptor place(index, FDictionary->GetHeadWord(index));
    FArticleView->SelectionPlace(place);
    if (FBookmarkList->Add(place) == TBookmarkAddOutcome::Updated) {
        StatusWarning(QStringLiteral("Эта статья уже внесена в список закладок"));
        return;
    }
    StatusInfo(QStringLiteral("Текущая статья добавлена в список закладок"), 1200);
}

void TFormOrvel::BookmarkRemove() {
    if (FBookmarkList->RemoveSelected())
        StatusInfo(QStringLiteral("Выбранная статья удалена из списка закладок"));
}

void TFormOrvel::BookmarkRemoveAll() {
    if (TDlgBox::AskYesNoCancel(
            QStringLiteral("Вы действительно хотите удалить все имеющиеся закладки?"), this) !=
        TDlgBox::AnswerYes)
        return;
    FBookmarkList->RemoveAll();
    StatusInfo(QStringLiteral("Список закладок очищен"));
}

void TFormOrvel::BookmarkLoad() {
    if (BookmarksModified() && !BookmarkFileName().empty()) {
        const int answer = TDlgBox::AskYesNoCancel(
            QStringLiteral("Текущий набор закладок был изменен. Сохранить?"), this);
        if (answer == TDlgBox::AnswerCancel)
            return;
        // Changes that could not be saved are not dropped for another set.
        if (answer == TDlgBox::AnswerYes && !SaveBookmarks())
            return;
    }
    const QString chosen = FBookmarkFileChooser(
        TBookmarkDialog::Open, FEnvironment.Paths.UserFolder(),
        QString::fromStdString(Cp1251ToUtf8(FPreference.CommonBookmarksFileName)));
    if (!chosen.isEmpty())
        LoadChosenBookmarks(chosen);
}

void TFormOrvel::LoadChosenBookmarks(const QString& path) {
    const TBookmarkImport plan =
        PlanBookmarkImport(LocalPath(path), LocalPath(FEnvironment.Paths.UserFolder()));
    if (plan.SetName.empty()) {
        TDlgBox::ShowErrorBox(ReadError + NoSetName + QFileInfo(path).fileName(), this);
        return;
    }
    if (plan.Copy) {
        // The set is read from the User folder under its name: the chosen file goes there,
        // once it is known to be a bookmark file.
        std::string bytes;
        try {
            bytes = ReadBookmarkFileBytes(LocalPath(path));
        } catch (const std::exception& error) {
            TDlgBox::ShowErrorBox(ReadError + ErrorText(error), this);
            return;
        }
        if (plan.Replaces &&
            TDlgBox::AskYesNoCancel(QStringLiteral("В папке User уже есть набор закладок ") +
                                        QFileInfo(FromLocalPath(plan.Target)).fileName() +
                                        QStringLiteral(".\r\n\r\nЗаменить его выбранным файлом?"),
                                    this) != TDlgBox::AnswerYes)
            return;
        try {
            WriteFileAtomically(plan.Target, bytes);
        } catch (const std::exception& error) {
            TDlgBox::ShowErrorBox(
                QStringLiteral("Не могу скопировать файл закладок в папку User.\r\n") +
                    ErrorText(error),
                this);
            return;
        }
    }
    FPreference.CommonBookmarksFileName = plan.SetName;
    LoadBookmarks();
}

void TFormOrvel::BookmarkSave() {
    const QString chosen = FBookmarkFileChooser(
        TBookmarkDialog::Save, FEnvironment.Paths.UserFolder(),
        QString::fromStdString(Cp1251ToUtf8(FPreference.CommonBookmarksFileName)));
    if (chosen.isEmpty())
        return;
    const std::string name = BookmarkSetName(Utf8ToCp1251(LocalPath(chosen)));
    if (name.empty()) {
        TDlgBox::ShowErrorBox(SaveError + NoSetName + QFileInfo(chosen).fileName(), this);
        return;
    }
    FPreference.CommonBookmarksFileName = name;
    SaveBookmarks();
}

void TFormOrvel::LoadBookmarks() {
    FBookmarkList->Clear();
    const std::string file = BookmarkFileName();
    if (file.empty())
        return;
    // Temporary files of a save that was killed half-way.
    RemoveStaleTemporaries(file);
    if (!QFileInfo::exists(FromLocalPath(file)))
        return;
    StatusProgress(QStringLiteral("Выполняется загрузка закладок"));
    try {
        FBookmarkList->Load(file);
        StatusInfo(QStringLiteral("Закладки загружены"));
    } catch (const std::exception& error) {
        TDlgBox::ShowErrorBox(ReadError + ErrorText(error), this);
        StatusClear();
    }
}

bool TFormOrvel::SaveBookmarks() {
    const std::string file = BookmarkFileName();
    if (file.empty())
        return true;
    StatusProgress(QStringLiteral("Выполняется сохранение закладок"));
    try {
        FBookmarkList->Save(file);
    } catch (const std::exception& error) {
        TDlgBox::ShowErrorBox(SaveError + ErrorText(error), this);
        StatusClear();
        return false;
    }
    StatusInfo(QStringLiteral("Закладки сохранены"));
    return true;
}

bool TFormOrvel::SaveBookmarksAtClosing() {
    if (!FPreference.CommonAutoLoadSave || !BookmarksModified())
        return true;
    bool saved = false;
    Guarded(TReport::Error, [&] { saved = SaveBookmarks(); });
    return saved ||
           TDlgBox::AskYesNoCancel(
               QStringLiteral("Закладки не сохранены, и их изменения будут потеряны.\r\n\r\n"
                              "Всё равно закрыть программу?"),
               this) == TDlgBox::AnswerYes;
}

} // namespace orvel
