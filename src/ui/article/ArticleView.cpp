#include "ui/article/ArticleView.h"

#include "core/appmodel/WordListBlock.h"
#include "core/article/ArticleRenderer.h"
#include "core/dictionary/MainDictionary.h"
#include "core/encoding/CharacterReader.h"
#include "core/encoding/FontNames.h"
#include "platform/Clipboard.h"
#include "platform/InputMode.h"
#include "platform/RichTextAdapter.h"
#include "ui/article/ArticlePane.h"
#include "ui/article/NoteImages.h"
#include "ui/widgets/VkrStatusBar.h"

#include <QHeaderView>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>
#include <cstdlib>

namespace orvel {

namespace {

constexpr int NoteHeaderButtonWidth = 24;
constexpr int NoteSplitterHeight = 4;
constexpr quint64 DoubleClickMilliseconds = 800;
constexpr int DoubleClickPixels = 4;

// The mark the renderer shows for the byte 0x1F.
const QString MarkCharacter = QStringLiteral("\u00B6");

constexpr char32_t NoBreakSpace = U'\u00A0';

// A pane's characters by their code points alone, as the word at the caret reads them.
class TCodePoints : public TCharacterReader {
public:
    explicit TCodePoints(const TRichTextAdapter& text) : FText(text) {}
    int Length() const override { return FText.Length(); }
    TCharacterInfo Character(int index) const override {
        TCharacterInfo info;
        info.CodePoint = FText.CodePoint(index);
        return info;
    }

private:
    const TRichTextAdapter& FText;
};

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
    HeaderControlNote->setSectionsClickable(true);
    HeaderControlNote->setDefaultAlignment(Qt::AlignCenter);
    HeaderControlNote->setIconSize(QSize(11, 11));
    sections->setHeaderData(0, Qt::Horizontal, int(Qt::AlignLeft | Qt::AlignVCenter),
                            Qt::TextAlignmentRole);
    ImageListNote = new TImageList(DrawNoteImages(HeaderControlNote->devicePixelRatio()), this);
    ImageListNote->setObjectName(QStringLiteral("ImageListNote"));
    RichEditNote = new TArticlePane(PanelNote);
    RichEditNote->setObjectName(QStringLiteral("RichEditNote"));
    RichEditNote->SetMenuOnRightRelease(false);
    // The panel may be as low as the user drags it; the note pane scrolls.
    HeaderControlNote->setFixedHeight(HeaderControlNote->sizeHint().height());
    PanelNote->setMinimumHeight(HeaderControlNote->height());
    RichEditNote->setMinimumHeight(1);
    auto* note = new QVBoxLayout(PanelNote);
    note->setContentsMargins(0, 0, 0, 0);
    note->setSpacing(0);
    note->addWidget(HeaderControlNote);
    note->addWidget(RichEditNote, 1);
    SplitterNote->addWidget(RichEditArticle);
    SplitterNote->addWidget(PanelNote);
    SplitterNote->setStretchFactor(0, 1);
    SplitterNote->setStretchFactor(1, 0);
    SplitterNote->setHandleWidth(NoteSplitterHeight);
    PanelNote->hide(); // shown only while the article has a note

    connect(RichEditArticle, &QTextEdit::selectionChanged, this, &TArticleView::StateChanged);
    connect(RichEditNote, &QTextEdit::selectionChanged, this, &TArticleView::StateChanged);
    connect(RichEditArticle, &TArticlePane::ContextMenuRequested, this,
            &TArticleView::ContextMenuRequested);
    connect(RichEditNote, &TArticlePane::ContextMenuRequested, this,
            &TArticleView::NoteMenuRequested);
    for (TArticlePane* pane : {RichEditArticle, RichEditNote}) {
        connect(pane, &TArticlePane::EnterReleased, this, &TArticleView::ArticleWordRequested);
        connect(pane, &TArticlePane::LeftPressed, this, &TArticleView::LeftPressed);
    }
    connect(HeaderControlNote, &QHeaderView::sectionClicked, this,
            &TArticleView::NoteHeaderClicked);
    connect(SplitterNote, &QSplitter::splitterMoved, this, [this] {
        if (!PanelNote->isHidden() && PanelNote->height() != 0)
            FNoteHeight = PanelNote->height();
    });
}

QWidget* TArticleView::Control() const {
    return SplitterNote;
}

void TArticleView::OpenArticle(const TArticleTarget& target) {
    SplitterNote->setUpdatesEnabled(false);
    const int32_t markStart = target.Mark ? target.Start : 0;
    const int32_t markLength = target.Mark ? target.Length : 0;
    TArticlePane* pane = RichEditArticle;
    bool select = true;
    if (target.InNote) {
        ShowArticle(target.Index, 0, 0);
        if (SelectNote(target.NoteFile, markStart, markLength))
            pane = RichEditNote;
        else
            select = false;
    } else {
        ShowArticle(target.Index, markStart, markLength);
    }
    pane->setFocus();
    if (select)
        MarkTargetPane(pane, target.Mark, target.Start, target.Length);
    SplitterNote->setUpdatesEnabled(true);
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
    RefreshNotePane();
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
    RefreshNotePane();
    if (text.empty()) {
        RichEditArticle->clear();
        return;
    }
    RichEditArticle->LoadRtfText(RenderArticle(text, FPreference, FVocabulary));
}

void TArticleView::ShowRawText(const QString& text) {
    FArticleIndex = -1;
    RefreshNotePane();
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

void TArticleView::CopyNoteSelection() {
    RichEditNote->copy();
}

bool TArticleView::ArticlePaneFocused() const {
    return RichEditArticle->hasFocus();
}

TArticleWord TArticleView::TakeArticleWord() {
    const TRichTextAdapter text(RichEditArticle->document());
    const TTextRange range =
        WordAtCaret(TCodePoints(text), RichEditArticle->textCursor().selectionStart());
    QTextCursor cursor(RichEditArticle->document());
    cursor.setPosition(range.Start);
    cursor.setPosition(range.Start + range.Length, QTextCursor::KeepAnchor);
    RichEditArticle->setTextCursor(cursor);
    TArticleWord word;
    if (range.Length == 0)
        return word;
    const QString greekFont = QString::fromLatin1(GreekFontName);
    bool displayFont = true;
    for (int i = range.Start; i < range.Start + range.Length; ++i) {
        const char32_t c = text.CodePoint(i);
        word.Text += QString::fromUcs4(&c, 1);
        displayFont = displayFont && text.FontName(i) == greekFont;
    }
    if (!displayFont)
        word.Text.replace(QChar(NoBreakSpace), QChar(u' '));
    word.Language = ArticleWordLanguage(displayFont, text.CodePoint(range.Start));
    return word;
}

void TArticleView::ClearArticleSelection() {
    QTextCursor cursor = RichEditArticle->textCursor();
    cursor.setPosition(cursor.selectionStart());
    RichEditArticle->setTextCursor(cursor);
}

void TArticleView::LeftPressed(const QPoint& at, quint64 tick) {
    const bool doubleClick = FClicked && tick >= FClickTick &&
                             tick - FClickTick < DoubleClickMilliseconds &&
                             std::abs(at.x() - FClickX) < DoubleClickPixels &&
                             std::abs(at.y() - FClickY) < DoubleClickPixels;
    FClickTick = tick;
    FClickX = at.x();
    FClickY = at.y();
    FClicked = true;
    if (doubleClick)
        emit ArticleWordRequested();
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
    state.NoteCurrent = FCurrentNote != nullptr;
    state.NoteSelection = RichEditNote->textCursor().hasSelection();
}

} // namespace orvel
