// The controls of the main window and how they are laid out.
#include "core/appmodel/StatusMessages.h"
#include "platform/RichTextAttributes.h"
#include "ui/MainWindow.h"
#include "ui/PostedMessages.h"
#include "ui/article/ArticlePane.h"
#include "ui/lookup/SearchLine.h"
#include "ui/widgets/StatusIcons.h"
#include "ui/widgets/VkrStatusBar.h"
#include "ui/widgets/WordListBox.h"

#include <QHeaderView>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orvel {

namespace {

constexpr int SplitterMinSize = 50;
constexpr int NoteHeaderButtonWidth = 24;

QWidget* Panel(const QString& name, QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    return panel;
}

} // namespace

void TFormOrvel::CreateControls() {
    SplitterLeftRight = new QSplitter(Qt::Horizontal, this);
    SplitterLeftRight->setObjectName(QStringLiteral("SplitterLeftRight"));
    SplitterLeftRight->setChildrenCollapsible(false);
    setCentralWidget(SplitterLeftRight);

    // The left panel: the search line over the four lists.
    PanelLeft = Panel(QStringLiteral("PanelLeft"), SplitterLeftRight);
    PanelLeft->setMinimumWidth(SplitterMinSize);
    RichEditSearch = new TSearchLine(PanelLeft);
    PageControl = new QTabWidget(PanelLeft);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setDocumentMode(true);
    const struct {
        TWordListBox** List;
        const char* Name;
        const char* Tab;
        const char* Caption;
    } lists[] = {
        {&ListBoxWords, "ListBoxWords", "TabSheetWords", "Words"},
        {&ListBoxGoto, "ListBoxGoto", "TabSheetGoto", "History"},
        {&ListBoxBookmarks, "ListBoxBookmarks", "TabSheetBookmarks", "Bookmarks"},
        {&ListBoxSearch, "ListBoxSearch", "TabSheetSearch", "Search"},
    };
    for (int number = 0; number < 4; ++number) {
        auto* list = new TWordListBox(number, number == ListWords, PageControl);
        list->setObjectName(QString::fromLatin1(lists[number].Name));
        list->setProperty("tabSheet", QString::fromLatin1(lists[number].Tab));
        *lists[number].List = list;
        PageControl->addTab(list, QString::fromLatin1(lists[number].Caption));
    }
    auto* left = new QVBoxLayout(PanelLeft);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(2);
    left->addWidget(RichEditSearch);
    left->addWidget(PageControl, 1);

    // The right panel: the article pane over the note panel.
    PanelRight = Panel(QStringLiteral("PanelRight"), SplitterLeftRight);
    PanelRight->setMinimumWidth(SplitterMinSize);
    SplitterNote = new QSplitter(Qt::Vertical, PanelRight);
    SplitterNote->setObjectName(QStringLiteral("SplitterNote"));
    SplitterNote->setChildrenCollapsible(false);
    RichEditArticle = new TArticlePane(SplitterNote);
    RichEditArticle->setObjectName(QStringLiteral("RichEditArticle"));
    PanelNote = Panel(QStringLiteral("PanelNote"), SplitterNote);
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
    auto* right = new QVBoxLayout(PanelRight);
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(SplitterNote);

    SplitterLeftRight->addWidget(PanelLeft);
    SplitterLeftRight->addWidget(PanelRight);
    // The article pane takes what the window gains or loses.
    SplitterLeftRight->setStretchFactor(0, 0);
    SplitterLeftRight->setStretchFactor(1, 1);

    // The conversion buffer of pastes: never shown.
    RichEditClipboard = new QTextEdit(this);
    RichEditClipboard->setObjectName(QStringLiteral("RichEditClipboard"));
    RichEditClipboard->setEnabled(false);
    RichEditClipboard->hide();
    RichEditClipboard->document()->setDefaultFont(QFont(QtFontName(RussianFontName)));

    ImageListStatusBar = new TImageList(DrawStatusIcons(devicePixelRatio()), this);
    ImageListStatusBar->setObjectName(QStringLiteral("ImageListStatusBar"));
    StatusBar = new TVkrStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->SetImages(ImageListStatusBar);
    StatusBar->SetImageHelpIndex(StatusHelpImageIndex);
    setStatusBar(StatusBar);
}

} // namespace orvel
