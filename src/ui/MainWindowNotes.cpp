// Adding and editing notes: the note editor opened on the current article's note of the
// current notes file, or on the note shown in the note pane, and the note pane refreshed after.
#include "core/dictionary/MainDictionary.h"
#include "ui/MainWindow.h"
#include "ui/PostedMessages.h"
#include "ui/article/ArticleView.h"
#include "ui/chartable/FormCharTable.h"
#include "ui/chartable/FormSpecialCharTable.h"
#include "ui/noteeditor/FormUserEditor.h"

#include <QAction>
#include <QFile>

namespace orvel {

void TFormOrvel::CreateNoteActions() {
    connect(MakeAction(TMainAction::NoteAdd), &QAction::triggered, this,
            [this] { Guarded(TReport::InternalError, [&] { NoteAdd(); }); });
    connect(MakeAction(TMainAction::NoteEdit), &QAction::triggered, this,
            [this] { Guarded(TReport::InternalError, [&] { NoteEdit(); }); });
    connect(FArticleView, &TArticleView::NoteEditRequested, this, [this] {
        if (Action(TMainAction::NoteEdit)->isEnabled())
            Action(TMainAction::NoteEdit)->trigger();
    });
}

void TFormOrvel::NoteAdd() {
    if (!MainActionEnabled(TMainAction::NoteAdd, ActionState()))
        return;
    StatusClear();
    const std::string userFolder = QFile::encodeName(Paths().UserFolder()).toStdString();
    if (TUserArticle* note = FDictionary->GetNote(FArticleView->ArticleIndex(),
                                                  FPreference.CurrentNoteFile, userFolder))
        EditNote(note);
}

void TFormOrvel::NoteEdit() {
    if (!MainActionEnabled(TMainAction::NoteEdit, ActionState()))
        return;
    if (TUserArticle* note = FArticleView->CurrentNote())
        EditNote(note);
}

void TFormOrvel::EditNote(TUserArticle* note) {
    TFormUserEditor::TServices services;
    services.ComposeGreek = [this] { return FormCharTable->ComposeForEditor(); };
    services.ShowHelp = [this](int topic) { ShowHelp(topic); };
    TFormUserEditor* editor = nullptr;
    services.ComposeSymbols = [this, &editor]() -> std::optional<std::string> {
        TFormSpecialCharTable table(editor);
        connect(&table, &TCharTableWindow::HelpRequested, this,
                [this](int topic) { ShowHelp(topic); });
        return table.Compose();
    };
    {
        TFormUserEditor form(note, FPreference, FVocabulary, std::move(services), this);
        editor = &form;
        form.exec();
    }
    FArticleView->FocusArticlePane();
    PostMessage(WM_NOTE_CHANGED);
}

} // namespace orvel
