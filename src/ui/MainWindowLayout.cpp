// The layout of the main window: the panels and the window's own controls, and where each goes.
#include "core/appmodel/StatusMessages.h"
#include "ui/MainWindow.h"
#include "ui/PostedMessages.h"
#include "ui/article/ArticleView.h"
#include "ui/fulltext/FullTextPanel.h"
#include "ui/lookup/LookupPanel.h"
#include "ui/places/BookmarksPanel.h"
#include "ui/places/HistoryPanel.h"
#include "ui/widgets/StatusIcons.h"
#include "ui/widgets/VkrStatusBar.h"

#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orvel {

namespace {

constexpr int SplitterMinSize = 50;

QWidget* Panel(const QString& name, QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    return panel;
}

} // namespace

void TFormOrvel::CreateControls() {
    // The panels make their controls without a parent; a control joins the window's focus order
    // when it is placed, so the order of placing below is the order of the Tab key.
    FLookupPanel = new TLookupPanel(*FDictionary, FPreference, this);
    FHistoryList = new THistoryPanel(this);
    FBookmarkList = new TBookmarksPanel(this);
    FFullTextPanel = new TFullTextPanel(*FDictionary, this);
    FArticleView = new TArticleView(*FDictionary, FPreference, FVocabulary, this);

    SplitterLeftRight = new QSplitter(Qt::Horizontal, this);
    SplitterLeftRight->setObjectName(QStringLiteral("SplitterLeftRight"));
    SplitterLeftRight->setChildrenCollapsible(false);
    setCentralWidget(SplitterLeftRight);

    // The left panel: the search line over the page control, whose pages are the lists in the
    // order of their numbers.
    PanelLeft = Panel(QStringLiteral("PanelLeft"), SplitterLeftRight);
    PanelLeft->setMinimumWidth(SplitterMinSize);
    auto* left = new QVBoxLayout(PanelLeft);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(2);
    left->addWidget(FLookupPanel->SearchLineControl());
    PageControl = new QTabWidget(PanelLeft);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setDocumentMode(true);
    left->addWidget(PageControl, 1);
    PageControl->addTab(FLookupPanel->WordListControl(), QStringLiteral("Words"));
    PageControl->addTab(FHistoryList->Control(), QStringLiteral("History"));
    PageControl->addTab(FBookmarkList->Control(), QStringLiteral("Bookmarks"));
    PageControl->addTab(FFullTextPanel->Control(), QStringLiteral("Search"));

    // The right panel: the article view.
    PanelRight = Panel(QStringLiteral("PanelRight"), SplitterLeftRight);
    PanelRight->setMinimumWidth(SplitterMinSize);
    auto* right = new QVBoxLayout(PanelRight);
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(FArticleView->Control());

    SplitterLeftRight->addWidget(PanelLeft);
    SplitterLeftRight->addWidget(PanelRight);
    // The article pane takes what the window gains or loses.
    SplitterLeftRight->setStretchFactor(0, 0);
    SplitterLeftRight->setStretchFactor(1, 1);

    ImageListStatusBar = new TImageList(DrawStatusIcons(devicePixelRatio()), this);
    ImageListStatusBar->setObjectName(QStringLiteral("ImageListStatusBar"));
    StatusBar = new TVkrStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->SetImages(ImageListStatusBar);
    StatusBar->SetImageHelpIndex(StatusHelpImageIndex);
    setStatusBar(StatusBar);
}

} // namespace orvel
