#include "ui/toolbars/VkrControlBarManager.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

namespace orvel {

TVkrControlBarManager::TVkrControlBarManager(QMainWindow* owner, TSettingsStore& store,
                                             const QString& company, const QString& title,
                                             const QString& dockName)
    : QObject(owner), FOwner(owner), FStore(store),
      FKeyPath(ControlBarKeyPath(company.toStdString(), title.toStdString(),
                                 owner->objectName().toStdString(), dockName.toStdString())) {
    setObjectName(QStringLiteral("ControlBarManager"));
}

QList<QToolBar*> TVkrControlBarManager::ToolBars() const {
    return FOwner->findChildren<QToolBar*>(Qt::FindDirectChildrenOnly);
}

QList<TVkrControlBarManager::TButton> TVkrControlBarManager::Buttons(QToolBar* toolBar) const {
    QList<TButton> buttons;
    for (QAction* item : toolBar->actions()) {
        QWidget* widget = toolBar->widgetForAction(item);
        if (auto* menuBar = qobject_cast<QMenuBar*>(widget)) {
            for (QAction* menuItem : menuBar->actions())
                if (QMenu* menu = menuItem->menu())
                    buttons.append({menu->objectName(), menuItem, menuItem->text(),
                                    menuBar->actionGeometry(menuItem).width()});
        } else if (auto* button = qobject_cast<QToolButton*>(widget)) {
            const QAction* action = button->defaultAction();
            buttons.append({button->objectName(), item, action ? action->text() : button->text(),
                            button->sizeHint().width()});
        }
    }
    return buttons;
}

std::vector<TToolBarState> TVkrControlBarManager::CurrentStates() const {
    if (QLayout* layout = FOwner->layout())
        layout->activate();
    std::vector<TToolBarState> states;
    for (QToolBar* toolBar : ToolBars()) {
        TToolBarState state;
        state.Name = toolBar->objectName().toStdString();
        state.Left = toolBar->x();
        state.Top = toolBar->y();
        state.Visible = !toolBar->isHidden();
        for (const TButton& button : Buttons(toolBar))
            state.Buttons.push_back(
                {button.Name.toStdString(), button.Item->isVisible(), button.Width});
        state.Width = ToolBarWidth(state);
        states.push_back(std::move(state));
    }
    return states;
}

void TVkrControlBarManager::Load() {
    FLoaded = true;
    const QList<QToolBar*> toolBars = ToolBars();
    const std::vector<TToolBarState> designed = CurrentStates();
    std::vector<TToolBarState> states = designed;
    LoadToolBarLayout(FStore, FKeyPath, states);
    if (!states.empty() && std::none_of(states.begin(), states.end(),
                                        [](const TToolBarState& s) { return s.Visible; }))
        states.front().Visible = true; // with every tool bar hidden none could be brought back

    for (qsizetype i = 0; i < toolBars.size(); ++i) {
        const QList<TButton> buttons = Buttons(toolBars[i]);
        for (qsizetype j = 0; j < buttons.size(); ++j)
            buttons[j].Item->setVisible(states[size_t(i)].Buttons[size_t(j)].Visible);
    }
    int tolerance = 1;
    for (QToolBar* toolBar : toolBars)
        tolerance = std::max(tolerance, toolBar->sizeHint().height() / 2);
    if (ToolBarRows(states, tolerance) != ToolBarRows(designed, tolerance))
        ArrangeRows(ToolBarRows(states, tolerance));
    for (qsizetype i = 0; i < toolBars.size(); ++i)
        toolBars[i]->setVisible(states[size_t(i)].Visible);
}

void TVkrControlBarManager::ArrangeRows(const std::vector<std::vector<size_t>>& rows) {
    const QList<QToolBar*> toolBars = ToolBars();
    for (QToolBar* toolBar : toolBars) {
        if (FOwner->toolBarBreak(toolBar))
            FOwner->removeToolBarBreak(toolBar);
        FOwner->removeToolBar(toolBar);
    }
    for (size_t row = 0; row < rows.size(); ++row) {
        if (row > 0)
            FOwner->addToolBarBreak(Qt::TopToolBarArea);
        for (size_t index : rows[row])
            FOwner->addToolBar(Qt::TopToolBarArea, toolBars[qsizetype(index)]);
    }
}

void TVkrControlBarManager::Save() {
    if (FLoaded)
        SaveToolBarLayout(FStore, FKeyPath, CurrentStates());
}

void TVkrControlBarManager::BuildMenus() {
    const QList<QToolBar*> toolBars = ToolBars();
    for (qsizetype i = 0; i < toolBars.size(); ++i) {
        QToolBar* toolBar = toolBars[i];
        toolBar->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(toolBar, &QWidget::customContextMenuRequested, this,
                [this, toolBar, i](const QPoint& at) {
                    auto* menu = new QMenu(toolBar);
                    menu->setAttribute(Qt::WA_DeleteOnClose);
                    FillButtonMenu(menu, int(i));
                    menu->addSeparator();
                    FillToolBarMenu(menu->addMenu(QStringLiteral("&Tool Bars")));
                    menu->popup(toolBar->mapToGlobal(at));
                });
    }
    FOwner->installEventFilter(this);
}

void TVkrControlBarManager::FillToolBarMenu(QMenu* menu) {
    const QList<QToolBar*> toolBars = ToolBars();
    const auto shown = std::count_if(toolBars.begin(), toolBars.end(),
                                     [](const QToolBar* toolBar) { return !toolBar->isHidden(); });
    for (qsizetype i = 0; i < toolBars.size(); ++i) {
        const QToolBar* toolBar = toolBars[i];
        const QString caption =
            toolBar->windowTitle().isEmpty() ? toolBar->toolTip() : toolBar->windowTitle();
        QAction* item = menu->addAction(caption, this, [this, i] { ToggleToolBar(int(i)); });
        item->setCheckable(true);
        item->setChecked(!toolBar->isHidden());
        item->setEnabled(toolBar->isHidden() || shown > 1);
        item->setData(int(i));
    }
}

void TVkrControlBarManager::FillButtonMenu(QMenu* menu, int toolBarNumber) {
    const QList<QToolBar*> toolBars = ToolBars();
    if (toolBarNumber < 0 || toolBarNumber >= toolBars.size())
        return;
    const QList<TButton> buttons = Buttons(toolBars[toolBarNumber]);
    for (qsizetype j = 0; j < buttons.size(); ++j) {
        const TButton& button = buttons[j];
        QString caption = button.Caption;
        if (caption.isEmpty())
            caption = button.Item->toolTip();
        if (caption.isEmpty())
            caption = button.Name;
        QAction* item = menu->addAction(
            caption, this, [this, toolBarNumber, j] { ToggleButton(toolBarNumber, int(j)); });
        if (auto* toolButton =
                qobject_cast<QToolButton*>(toolBars[toolBarNumber]->widgetForAction(button.Item)))
            item->setIcon(toolButton->icon());
        item->setCheckable(true);
        item->setChecked(button.Item->isVisible());
        item->setData(int(j));
    }
}

void TVkrControlBarManager::ToggleToolBar(int toolBarNumber) {
    const QList<QToolBar*> toolBars = ToolBars();
    if (toolBarNumber < 0 || toolBarNumber >= toolBars.size())
        return;
    QToolBar* toolBar = toolBars[toolBarNumber];
    const bool lastShown = std::count_if(toolBars.begin(), toolBars.end(),
                                         [](const QToolBar* t) { return !t->isHidden(); }) == 1;
    if (!toolBar->isHidden() && lastShown)
        return;
    toolBar->setVisible(toolBar->isHidden());
}

void TVkrControlBarManager::ToggleButton(int toolBarNumber, int buttonNumber) {
    const QList<QToolBar*> toolBars = ToolBars();
    if (toolBarNumber < 0 || toolBarNumber >= toolBars.size())
        return;
    const QList<TButton> buttons = Buttons(toolBars[toolBarNumber]);
    if (buttonNumber < 0 || buttonNumber >= buttons.size())
        return;
    QAction* item = buttons[buttonNumber].Item;
    item->setVisible(!item->isVisible());
}

bool TVkrControlBarManager::InDock(const QPoint& windowPos) const {
    int top = -1;
    int bottom = -1;
    for (const QToolBar* toolBar : ToolBars()) {
        if (toolBar->isHidden() || FOwner->toolBarArea(toolBar) != Qt::TopToolBarArea)
            continue;
        top = top < 0 ? toolBar->y() : std::min(top, toolBar->y());
        bottom = std::max(bottom, toolBar->geometry().bottom());
    }
    return top >= 0 && windowPos.y() >= top && windowPos.y() <= bottom;
}

bool TVkrControlBarManager::eventFilter(QObject* watched, QEvent* event) {
    // A right click on the dock between tool bars reaches the window itself: the dock's menu.
    if (watched == FOwner && event->type() == QEvent::ContextMenu) {
        auto* contextEvent = static_cast<QContextMenuEvent*>(event);
        if (InDock(contextEvent->pos())) {
            auto* menu = new QMenu(FOwner);
            menu->setAttribute(Qt::WA_DeleteOnClose);
            FillToolBarMenu(menu);
            menu->popup(contextEvent->globalPos());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QAction* AddToolButton(QToolBar* toolBar, QAction* action) {
    auto* button = new QToolButton(toolBar);
    button->setDefaultAction(action);
    QString name = action->objectName();
    if (name.startsWith(QStringLiteral("act")))
        name.remove(0, 3);
    button->setObjectName(QStringLiteral("btn") + name);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIconSize(toolBar->iconSize());
    button->setToolButtonStyle(toolBar->toolButtonStyle());
    QObject::connect(toolBar, &QToolBar::iconSizeChanged, button, &QToolButton::setIconSize);
    QObject::connect(toolBar, &QToolBar::toolButtonStyleChanged, button,
                     &QToolButton::setToolButtonStyle);
    QAction* item = toolBar->addWidget(button);
    item->setObjectName(button->objectName());
    return item;
}

} // namespace orvel
