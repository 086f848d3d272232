// The picker list: a modal list of two columns (an abbreviation and its explanation) under a
// title, from which the user chooses one row by a double click or Enter. The rows stay sorted
// by the abbreviation whatever order they were added in; nothing is selected at the start.
#pragma once

#include <QDialog>

class QLabel;
class QTableWidget;

namespace orvel {

class TDlgListSigns : public QDialog {
    Q_OBJECT

public:
    explicit TDlgListSigns(QWidget* parent = nullptr);

    void SetTitle(const QString& title);
    void AddRow(const QString& name, const QString& comment);

    int RowCount() const;
    QString RowName(int row) const;
    // The first column of the selected row; empty when none is selected.
    QString SelectedName() const;

    QLabel* Panel = nullptr;
    QTableWidget* List = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace orvel
