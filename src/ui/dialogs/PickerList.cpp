#include "ui/dialogs/PickerList.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orvel {

namespace {

constexpr int NameColumnWidth = 100;
constexpr int CommentColumnWidth = 310;

// Rows compare by the platform's text order of their first column.
class TNameItem : public QTableWidgetItem {
public:
    explicit TNameItem(const QString& text) : QTableWidgetItem(text) {}
    bool operator<(const QTableWidgetItem& other) const override {
        return QString::localeAwareCompare(text(), other.text()) < 0;
    }
};

} // namespace

TDlgListSigns::TDlgListSigns(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Orvel Insert"));
    setModal(true);

    Panel = new QLabel(this);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    Panel->setFont(font);
    Panel->setMargin(6);
    Panel->setFrameShape(QFrame::StyledPanel);

    List = new QTableWidget(0, 2, this);
    List->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Comment")});
    List->verticalHeader()->hide();
    List->setShowGrid(true);
    List->setSelectionBehavior(QAbstractItemView::SelectRows);
    List->setSelectionMode(QAbstractItemView::SingleSelection);
    List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List->setColumnWidth(0, NameColumnWidth);
    List->setColumnWidth(1, CommentColumnWidth);
    List->horizontalHeader()->setMinimumSectionSize(NameColumnWidth);
    List->horizontalHeader()->setStretchLastSection(true);
    List->setSortingEnabled(false);
    List->installEventFilter(this);
    connect(List, &QTableWidget::cellDoubleClicked, this, [this] { accept(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Panel);
    layout->addWidget(List, 1);
    resize(NameColumnWidth + CommentColumnWidth + 40, 360);
}

void TDlgListSigns::SetTitle(const QString& title) {
    Panel->setText(title);
}

void TDlgListSigns::AddRow(const QString& name, const QString& comment) {
    const int row = List->rowCount();
    List->insertRow(row);
    List->setItem(row, 0, new TNameItem(name));
    List->setItem(row, 1, new QTableWidgetItem(comment));
    List->sortItems(0);
    List->clearSelection();
    List->setCurrentItem(nullptr);
}

int TDlgListSigns::RowCount() const {
    return List->rowCount();
}

QString TDlgListSigns::RowName(int row) const {
    const QTableWidgetItem* item = List->item(row, 0);
    return item ? item->text() : QString();
}

QString TDlgListSigns::SelectedName() const {
    const QList<QTableWidgetItem*> selected = List->selectedItems();
    for (const QTableWidgetItem* item : selected)
        if (item->column() == 0)
            return item->text();
    return QString();
}

bool TDlgListSigns::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace orvel
