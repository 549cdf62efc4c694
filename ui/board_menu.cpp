#include "ui/board_menu.h"

#include "ui/qt_text.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <stdexcept>
#include <string>

namespace numorra::ui {

BoardMenu::BoardMenu(QMenuBar& bar, Level level) : QObject(&bar), level_(level)
{
    std::map<std::string_view, QMenu*> menus;
    for (const MenuItemDesign& item : boardMenu()) {
        QMenu* parent = item.parent.empty() ? nullptr : menus.at(item.parent);
        if (item.command == MenuCommand::None) {
            QMenu* menu = parent == nullptr ? bar.addMenu(toQString(item.caption))
                                            : parent->addMenu(toQString(item.caption));
            menu->setObjectName(toQString(item.name));
            menus.emplace(item.name, menu);
            continue;
        }
        if (parent == nullptr) {
            throw std::logic_error("the menu item " + std::string(item.name) + " is in no menu");
        }
        QAction* action = parent->addAction(toQString(item.caption));
        action->setObjectName(toQString(item.name));
        if (!item.shortcut.empty()) {
            action->setShortcut(QKeySequence(toQString(item.shortcut)));
            action->setShortcutContext(Qt::WindowShortcut);
        }
        action->setCheckable(item.mark != MenuMark::None);
        items_.emplace(item.command, action);
        connect(action, &QAction::triggered, this, [this, command = item.command] {
            showMarks();
            emit chosen(command);
        });
    }
    showMarks();
}

void BoardMenu::markCustomColours()
{
    customMarked_ = true;
    showMarks();
}

void BoardMenu::showMarks()
{
    for (const MenuItemDesign& item : boardMenu()) {
        if (item.mark != MenuMark::None) {
            items_.at(item.command)->setChecked(marked(item));
        }
    }
}

bool BoardMenu::marked(const MenuItemDesign& item) const
{
    switch (item.mark) {
    case MenuMark::OwnLevel:
        return levelOf(item.command) == level_;
    // Default is marked, and Custom Colors is not, until Custom Colors is
    // chosen; Default does not move the marks back.
    case MenuMark::On:
        return !customMarked_;
    case MenuMark::Off:
        return customMarked_;
    case MenuMark::None:
        break;
    }
    return false;
}

} // namespace numorra::ui
