#include "ui/article/ArticleView.h"

#include "core/appmodel/WordListBlock.h"
#include "core/article/ArticleRenderer.h"
#include "core/dictionary/MainDictionary.h"
#include "platform/Clipboard.h"
#include "platform/InputMode.h"
#include "platform/RichTextAdapter.h"
#include "ui/article/ArticlePane.h"

#include <QHeaderView>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace orvel {

namespace {

constexpr int NoteHeaderButtonWidth = 24;

// The mark the renderer shows for the byte 0x1F.
const QString MarkCharacter = QStringLiteral("\u00B6");

} // namespace

TArticleView::TArticleView(const TMainDictionary& dictionary, const TPreference& preference,
                           const TVocabulary& vocabulary, QObject* parent)
    : QObject(parent), FDictionary(dictionary), FPreference(preference), FVocabulary(vocabulary) {
    SplitterNote = new QSplitter(Qt::Vertical);
    SplitterNote->setObjectName(QStringLiteral("SplitterNote"));
    SplitterNote->setChildrenCollapsible(false);
    RichEditArticle = new TArticlePane(SplitterNote);
    RichEditArticle->setObjectName(QStringLiteral("RichEditArticle"));
    PanelNote = new QWidget(SplitterNote);
    PanelNote->setObjectName(QStringLiteral("PanelNote"));
    HeaderControlNote = new QHeaderView(Qt::Horizontal, PanelNote);
    HeaderControlNote->setObjectName(QStringLiteral("HeaderControlNote"));
    auto* sections = new QStandardItemModel(0, 3, HeaderControlNote);
    sections->setHorizontalHeaderLabels({QStringLiteral("Notes"), QString(), QString()});
    HeaderControlNote->setModel(sections);
    HeaderControlNote->setSectionResizeMode(0, QHeaderView::Stretch);
    HeaderControlNote->setSectionResizeMode(1, QHeaderView::Fixed);
    HeaderControlNote->setSectionResizeMode(2, QHeaderView::Fixed);
    HeaderControlNote->resizeSection(1, NoteHeaderButtonWidth);
    HeaderControlNote->resizeSection(2, NoteHeaderButtonWidth);
    HeaderControlNote->setStretchLastSection(false);
    RichEditNote = new TArticlePane(PanelNote);
    RichEditNote->setObjectName(QStringLiteral("RichEditNote"));
    auto* note = new QVBoxLayout(PanelNote);
    note->setContentsMargins(0, 0, 0, 0);
    note->setSpacing(0);
    note->addWidget(HeaderControlNote);
    note->addWidget(RichEditNote, 1);
    SplitterNote->addWidget(RichEditArticle);
    SplitterNote->addWidget(PanelNote);
    SplitterNote->setStretchFactor(0, 1);
    SplitterNote->setStretchFactor(1, 0);
    PanelNote->hide(); // shown only while the article has a note

    connect(RichEditArticle, &QTextEdit::selectionChanged, this, &TArticleView::StateChanged);
    connect(RichEditArticle, &TArticlePane::ContextMenuRequested, this,
            &TArticleView::ContextMenuRequested);
}

QWidget* TArticleView::Control() const {
    return SplitterNote;
}

void TArticleView::OpenArticle(const TArticleTarget& target) {
    FArticleIndex = target.Index;
    RichEditArticle->setUpdatesEnabled(false);
    // Notes are shown in the article pane's stead once the note pane exists; until then a
    // place in a note opens its article.
    if (target.Mark)
        ShowArticle(target.Index, target.Start, target.Length);
    else
        ShowArticle(target.Index, 0, 0);
    RichEditArticle->setFocus();
    MarkTargetPane(RichEditArticle, target.Mark, target.Start, target.Length);
    RichEditArticle->setUpdatesEnabled(true);
}

void TArticleView::MarkTargetPane(TArticlePane* pane, bool mark, int32_t start, int32_t length) {
    QTextDocument* document = pane->document();
    QTextCursor cursor(document);
    if (mark) {
        QTextCursor first = document->find(MarkCharacter);
        if (first.isNull())
            return;
        first.removeSelectedText();
        const int p1 = first.position();
        QTextCursor second = document->find(MarkCharacter, p1);
        if (!second.isNull()) {
            second.removeSelectedText();
            cursor.setPosition(p1);
            cursor.setPosition(second.position(), QTextCursor::KeepAnchor);
        } else {
            cursor.setPosition(p1);
        }
    } else {
        const int end = document->characterCount() - 1;
        cursor.setPosition(std::clamp(start, 0, end));
        cursor.setPosition(std::clamp(start + std::max(length, 0), 0, end),
                           QTextCursor::KeepAnchor);
    }
    pane->setTextCursor(cursor);
    pane->ensureCursorVisible();
}

void TArticleView::ShowArticle(int32_t index, int32_t markStart, int32_t markLength) {
    FArticleIndex = index;
    std::string text = FDictionary.GetArticleText(index);
    if (markLength != 0 && markStart >= 0 && size_t(markStart) + 1 <= text.size())
        text = MarkArticleText(text, markStart, markLength);
    const std::string rtf = RenderArticle(text, FPreference, FVocabulary);
    RichEditArticle->LoadRtfText(rtf);
    RichEditArticle->moveCursor(QTextCursor::Start);
    emit StateChanged();
}

void TArticleView::ShowArticleAgain() {
    if (FArticleIndex != -1)
        ShowArticle(FArticleIndex, 0, 0);
}

bool TArticleView::ShowDocument(std::string_view rtf) {
    if (!RichEditArticle->LoadRtfText(rtf))
        return false;
    RichEditArticle->moveCursor(QTextCursor::Start);
    return true;
}

void TArticleView::ShowText(const std::string& text) {
    FArticleIndex = -1;
    if (text.empty()) {
        RichEditArticle->clear();
        return;
    }
    RichEditArticle->LoadRtfText(RenderArticle(text, FPreference, FVocabulary));
}

void TArticleView::ShowRawText(const QString& text) {
    FArticleIndex = -1;
    RichEditArticle->clear();
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Arial")});
    QTextCursor cursor(RichEditArticle->document());
    cursor.insertText(text, format);
}

void TArticleView::SelectAll() {
    RichEditArticle->selectAll();
    emit StateChanged();
}

void TArticleView::CopySelection() {
    TRichTextAdapter text(RichEditArticle->document());
    text.SetCursor(RichEditArticle->textCursor());
    CopySelectionToClipboard(text, FPreference);
}

void TArticleView::SetEnumeratedView(bool enumerated) {
    const QTextEdit::LineWrapMode mode = enumerated ? QTextEdit::NoWrap : QTextEdit::WidgetWidth;
    RichEditArticle->setLineWrapMode(mode);
    RichEditNote->setLineWrapMode(mode);
}

void TArticleView::WindowShown() {
    PanelNote->hide();
    RichEditArticle->setCurrentCharFormat(InputModeCharFormat(TInputMode::Greek));
}

void TArticleView::AddActionState(TMainWindowState& state) const {
    state.ArticleShown = FArticleIndex != -1;
    state.ArticleSelection = RichEditArticle->textCursor().hasSelection();
    state.NotePaneVisible = PanelNote->isVisible();
    state.NoteSelection = RichEditNote->textCursor().hasSelection();
}

} // namespace orvel
