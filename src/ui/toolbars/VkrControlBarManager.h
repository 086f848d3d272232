// Keeps the user's arrangement of a main window's tool bars from one run to the next: which tool
// bars and which of their buttons are shown, and in which row and order each tool bar stands in
// the window's top tool bar area (the dock). It also gives the right-click menus through which
// the user shows and hides tool bars and single buttons.
//
// The managed tool bars are the window's own tool bars in the order they were made. A tool bar's
// buttons are its tool buttons added with AddToolButton (named "btn" and the action's name without
// "act") and the menus of a menu bar placed on it (named after each menu).
#pragma once

#include "core/settings/ToolBarLayout.h"

#include <QList>
#include <QObject>
#include <QString>
#include <string>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QPoint;
class QToolBar;
class QWidget;

namespace orvel {

class TSettingsStore;

class TVkrControlBarManager : public QObject {
    Q_OBJECT

public:
    // Stores under "Software\<company>\<title>\<window's name>\<dockName>".
    TVkrControlBarManager(QMainWindow* owner, TSettingsStore& store, const QString& company,
                          const QString& title, const QString& dockName);

    // Restores the stored arrangement; a first start or missing values keep the design.
    void Load();
    // Stores the arrangement; nothing before the first Load (no arrangement has been shown).
    void Save();
    // Gives every managed tool bar its right-click menu (its buttons, and the tool bars) and the
    // dock its own (the tool bars).
    void BuildMenus();

    // The dock's menu: a checked item per tool bar. The only visible tool bar cannot be hidden,
    // or nothing would be left to right-click to get it back.
    void FillToolBarMenu(QMenu* menu);
    // A tool bar's menu: a checked item per button.
    void FillButtonMenu(QMenu* menu, int toolBarNumber);

    void ToggleToolBar(int toolBarNumber);
    void ToggleButton(int toolBarNumber, int buttonNumber);

    QList<QToolBar*> ToolBars() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TButton {
        QString Name;
        QAction* Item = nullptr; // its visibility is the button's
        QString Caption;
        int Width = 0;
    };
    QList<TButton> Buttons(QToolBar* toolBar) const;
    std::vector<TToolBarState> CurrentStates() const;
    // Puts the tool bars into the dock row by row, as ToolBarRows lists them.
    void ArrangeRows(const std::vector<std::vector<size_t>>& rows);
    bool InDock(const QPoint& windowPos) const;

    QMainWindow* FOwner;
    TSettingsStore& FStore;
    std::string FKeyPath;
    bool FLoaded = false;
};

// Puts a tool button for action on toolBar as a button of its own: hiding it there leaves the
// action in the menus. Returns the button's item on the tool bar.
QAction* AddToolButton(QToolBar* toolBar, QAction* action);

} // namespace orvel
