// The note pane of the article view: the notes of the article shown, one at a time, browsed
// with the header, and the height of the panel that shows them.
#include "core/appmodel/WordListBlock.h"
#include "core/article/ArticleRenderer.h"
#include "core/dictionary/MainDictionary.h"
#include "core/encoding/Windows1251.h"
#include "core/settings/Preference.h"
#include "ui/article/ArticlePane.h"
#include "ui/article/ArticleView.h"
#include "ui/article/NoteImages.h"
#include "ui/widgets/VkrStatusBar.h"

#include <QApplication>
#include <QHeaderView>
#include <QIcon>
#include <QSplitter>
#include <QTextCursor>
#include <algorithm>

namespace orvel {

namespace {

QString ProgramTextToQString(const std::string& text) {
    return QString::fromStdString(Cp1251ToUtf8(text));
}

} // namespace

std::vector<TUserArticle*> TArticleView::VisibleNotes() const {
    std::vector<TUserArticle*> notes;
    for (TUserArticle* note = FDictionary.NoteChain(FArticleIndex); note; note = note->Next())
        if (note->Owner()->Kind())
            notes.push_back(note);
    return notes;
}

void TArticleView::RefreshNotePane() {
    FCurrentNote = FArticleIndex == -1 ? nullptr : FDictionary.FirstNote(FArticleIndex);
    if (FCurrentNote) {
        ShowNotePanel();
        ShowCurrentNote(0, 0);
        return;
    }
    // The focus must not stay in a pane that goes.
    if (PanelNote->isAncestorOf(QApplication::focusWidget()))
        RichEditArticle->setFocus();
    HideNotePanel();
    RichEditNote->clear();
    UpdateNoteHeader();
}

void TArticleView::ShowNotePanel() {
    PanelNote->show();
    // The splitter shows its handle now rather than when the event loop comes round, so that
    // the sizes below count it.
    SplitterNote->refresh();
    const int total = SplitterNote->height() - SplitterNote->handleWidth();
    SplitterNote->setSizes({std::max(total - FNoteHeight, 0), FNoteHeight});
}

void TArticleView::HideNotePanel() {
    if (PanelNote->isHidden())
        return;
    if (PanelNote->height() > 1)
        FNoteHeight = PanelNote->height();
    PanelNote->hide();
}

bool TArticleView::SelectNote(const std::string& notesFileName, int32_t markStart,
                              int32_t markLength) {
    const std::vector<TUserArticle*> notes = VisibleNotes();
    auto note = std::find(notes.begin(), notes.end(), FCurrentNote);
    note = std::find_if(note, notes.end(), [&](const TUserArticle* candidate) {
        return candidate->Owner()->Name() == notesFileName;
    });
    if (note == notes.end())
        return false;
    FCurrentNote = *note;
    ShowCurrentNote(markStart, markLength);
    return true;
}

void TArticleView::ShowCurrentNote(int32_t markStart, int32_t markLength) {
    if (!FCurrentNote)
        return;
    std::string text = FCurrentNote->Text();
    if (markLength != 0 && markStart >= 0 && size_t(markStart) + 1 <= text.size())
        text = MarkArticleText(text, markStart, markLength);
    RichEditNote->LoadRtfText(RenderArticle(text, FPreference, FVocabulary));
    RichEditNote->moveCursor(QTextCursor::Start);
    if (RichEditNote->hasFocus())
        RichEditArticle->setFocus();
    UpdateNoteHeader();
    emit StateChanged();
}

TUserArticle* TArticleView::NeighbourNote(const TUserArticle* note, bool next) const {
    const std::vector<TUserArticle*> notes = VisibleNotes();
    if (!note)
        return next && !notes.empty() ? notes.front() : nullptr;
    const auto at = std::find(notes.begin(), notes.end(), note);
    if (at == notes.end())
        return nullptr;
    if (next)
        return at + 1 != notes.end() ? *(at + 1) : nullptr;
    return at != notes.begin() ? *(at - 1) : nullptr;
}

void TArticleView::UpdateNoteHeader() {
    if (!FCurrentNote) {
        SetHeaderSection(0, QString(), -1);
        SetHeaderSection(1, QString(), -1);
        SetHeaderSection(2, QString(), -1);
        return;
    }
    const std::string& name = FCurrentNote->Owner()->Name();
    SetHeaderSection(0, ProgramTextToQString(name),
                     name == FPreference.CurrentNoteFile ? NoteImageCurrentFile
                                                         : NoteImageOtherFile);
    SetHeaderSection(1, QString(),
                     NeighbourNote(FCurrentNote, false) ? NoteImagePrevious
                                                        : NoteImagePreviousDisabled);
    SetHeaderSection(2, QString(),
                     NeighbourNote(FCurrentNote, true) ? NoteImageNext : NoteImageNextDisabled);
}

void TArticleView::SetHeaderSection(int section, const QString& text, int image) {
    FHeaderImages[size_t(section)] = image;
    QAbstractItemModel* sections = HeaderControlNote->model();
    sections->setHeaderData(section, Qt::Horizontal, text, Qt::DisplayRole);
    sections->setHeaderData(section, Qt::Horizontal,
                            image < 0 ? QVariant() : QVariant(QIcon(ImageListNote->Image(image))),
                            Qt::DecorationRole);
}

void TArticleView::NoteHeaderClicked(int section) {
    if (section == 0) {
        emit NoteEditRequested();
        return;
    }
    if (section != 1 && section != 2)
        return;
    if (TUserArticle* note = NeighbourNote(FCurrentNote, section == 2)) {
        FCurrentNote = note;
        ShowCurrentNote(0, 0);
    }
}

void TArticleView::FocusArticlePane() {
    RichEditArticle->setFocus();
    RichEditArticle->viewport()->update();
}

bool TArticleView::NoteSelection(std::string& notesFileName, int32_t& start,
                                 int32_t& length) const {
    if (!PanelNote->isVisible() || !RichEditNote->hasFocus() || !FCurrentNote)
        return false;
    // A note destroyed since it was shown (the pane not refreshed yet) is not read.
    const std::vector<TUserArticle*> notes = VisibleNotes();
    if (std::find(notes.begin(), notes.end(), FCurrentNote) == notes.end())
        return false;
    const QTextCursor cursor = RichEditNote->textCursor();
    notesFileName = FCurrentNote->Owner()->Name();
    start = cursor.selectionStart();
    length = cursor.selectionEnd() - cursor.selectionStart();
    return true;
}

} // namespace orvel
