// The note editor's list of the notes file's notes, deleting a note, the window's layout, and
// closing: the closing question, and dropping an empty note, sorting and writing the notes
// file, with a choice to retry when writing fails.
#include "core/dictionary/UserDictionary.h"
#include "ui/dialogs/DialogBox.h"
#include "ui/noteeditor/FormUserEditor.h"
#include "ui/noteeditor/NoteRichEdit.h"
#include "ui/widgets/VkrStatusBar.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>

namespace orvel {

namespace {

constexpr int NoteRole = Qt::UserRole;

TUserArticle* NoteOf(const QListWidgetItem* item) {
    return item ? static_cast<TUserArticle*>(item->data(NoteRole).value<void*>()) : nullptr;
}

} // namespace

int TFormUserEditor::ListFirstNote() const {
    return ListBox->count() > 0 ? FNotes->IndexOf(NoteOf(ListBox->item(0))) : -1;
}

int TFormUserEditor::ListRowCount() const {
    return ListBox->count();
}

int TFormUserEditor::ListSelectedNote() const {
    return FNotes->IndexOf(NoteOf(ListBox->currentItem()));
}

void TFormUserEditor::ShowList(int index) {
    const QScopedValueRollback busy(FBusy, true);
    const int itemHeight = std::max(ListBox->property("ItemHeight").toInt(), 1);
    const int rowsThatFit = ListBox->viewport()->height() / itemHeight;
    const TNoteListWindow window = NoteListWindow(index, FNotes->Count(), rowsThatFit);
    ListBox->setUpdatesEnabled(false);
    ListBox->clear();
    int selectedRow = -1;
    for (int i = window.First; i <= window.Last; ++i) {
        TUserArticle* note = FNotes->Items(i);
        auto* item = new QListWidgetItem(QString::fromLatin1(note->GetDisplayWord()));
        item->setData(NoteRole, QVariant::fromValue(static_cast<void*>(note)));
        item->setSizeHint(QSize(0, itemHeight));
        ListBox->addItem(item);
        if (i == index)
            selectedRow = ListBox->count() - 1;
    }
    ListBox->setCurrentRow(selectedRow);
    ListBox->verticalScrollBar()->setValue(std::max(selectedRow - rowsThatFit / 2, 0));
    ListBox->setUpdatesEnabled(true);
}

void TFormUserEditor::ListRowSelected() {
    // Reaching either end of the list moves the window of notes around the selected one.
    const int row = ListBox->currentRow();
    if (row < 0 || (row != 0 && row != ListBox->count() - 1))
        return;
    ShowList(FNotes->IndexOf(NoteOf(ListBox->currentItem())));
}

void TFormUserEditor::OpenListRow() {
    TUserArticle* note = NoteOf(ListBox->currentItem());
    if (!note || Modified())
        return;
    FNote = note;
    ShowNote();
}

void TFormUserEditor::UpdateListEnabling() {
    const bool enabled = !Modified();
    ListBox->setEnabled(enabled);
    QPalette colours = ListBox->palette();
    colours.setColor(QPalette::Base, palette().color(enabled ? QPalette::Base : QPalette::Button));
    ListBox->setPalette(colours);
}

bool TFormUserEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListBox && event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            Run([&] { OpenListRow(); });
    }
    return QDialog::eventFilter(watched, event);
}

void TFormUserEditor::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const int listWidth = width() * ListWidthPercent / 100;
    Splitter->setSizes({listWidth, std::max(Splitter->width() - listWidth, 1)});
}

void TFormUserEditor::DeleteCurrentNote() {
    const int32_t articleIndex = FNote->ArticleIndex();
    FNotes->Modified = true;
    delete FNote;
    if (FNotes->Count() == 0)
        TUserArticle::Create(*FNotes, articleIndex);
    FNote = FNotes->Items(0);
    ShowList(0);
    ShowNote();
}

void TFormUserEditor::done(int result) {
    if (FClosing) {
        QDialog::done(result);
        return;
    }
    if (FBusy)
        return;
    if (Modified()) {
        const int answer = Ask(QString::fromUtf8("Текст был изменен, но не сохранен. Сохранить?"));
        if (answer == TDlgBox::AnswerYes) {
            PostMessage(WM_NOTE_SAVE, 1);
            return;
        }
        if (answer != TDlgBox::AnswerNo)
            return;
        RichEdit->document()->setModified(false);
        result = Rejected;
    }
    if (!CloseNotes())
        return;
    FClosing = true;
    TimerFormatControl->stop();
    QDialog::done(result);
}

bool TFormUserEditor::CloseNotes() {
    const int32_t articleIndex = FNote->ArticleIndex();
    if (FNote->Text().empty() || articleIndex < 0) {
        FNotes->Modified = true;
        delete FNote;
        FNote = nullptr;
    }
    while (FNotes->Modified) {
        QString failure;
        {
            const QScopedValueRollback busy(FBusy, true);
            try {
                StatusProgress(QString::fromUtf8("Сортировка"));
                FNotes->Sort();
                StatusProgress(QString::fromUtf8("Сохранение"));
                FNotes->Save();
            } catch (const std::exception& error) {
                failure = QString::fromUtf8(error.what());
            }
        }
        SetStatus(-1, QString());
        if (failure.isNull())
            break;
        // The notes are still in memory: the user decides whether to try again, to close
        // without writing them (they stay for the next save of this file while the program
        // runs) or to go back to the editor.
        const int answer =
            Ask(QString::fromUtf8("Не удалось записать файл заметок:\r\n") + failure +
                QString::fromUtf8("\r\n\r\nДа — повторить запись, Нет — закрыть редактор без "
                                  "записи (заметки останутся в памяти), Отмена — вернуться в "
                                  "редактор."));
        if (answer == TDlgBox::AnswerNo)
            break;
        if (answer != TDlgBox::AnswerYes) {
            MakeCurrentNoteAgain(articleIndex);
            SetStatus(int(TStatusKind::Error), failure);
            return false;
        }
    }
    return true;
}

void TFormUserEditor::MakeCurrentNoteAgain(int32_t articleIndex) {
    if (FNote)
        return;
    FNote = FNotes->Find(articleIndex);
    if (!FNote)
        FNote =
            FNotes->Count() > 0 ? FNotes->Items(0) : TUserArticle::Create(*FNotes, articleIndex);
    ShowList(FNotes->IndexOf(FNote));
    ShowNote();
}

} // namespace orvel
