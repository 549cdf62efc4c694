#include "ui/board_menu.h"

#include "ui/qt_text.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <map>
#include <stdexcept>
#include <string>

namespace numorra::ui {

BoardMenu::BoardMenu(QMenuBar& bar, std::span<const MenuItem> items, Level level,
                     std::function<void(const MenuItem&)> run)
    : QObject(&bar), level_(level), run_(std::move(run))
{
    std::map<std::string_view, QMenu*> menus;
    for (const MenuItem& item : items) {
        QMenu* parent = item.parent.empty() ? nullptr : menus.at(item.parent);
        if (std::holds_alternative<std::monostate>(item.action)) {
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
        if (item.mark != MenuMark::None) {
            action->setCheckable(true);
            checkable_.emplace_back(&item, action);
        }
        connect(action, &QAction::triggered, this, [this, &item] {
            showMarks();
            run_(item);
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
    for (const auto& [item, action] : checkable_) {
        action->setChecked(marked(*item));
    }
}

bool BoardMenu::marked(const MenuItem& item) const
{
    switch (item.mark) {
    case MenuMark::OwnLevel: {
        const auto* level = std::get_if<Level>(&item.action);
        return level != nullptr && *level == level_;
    }
    // Default does not move the mark back from Custom Colors.
    case MenuMark::UntilCustomColours:
        return !customMarked_;
    case MenuMark::FromCustomColours:
        return customMarked_;
    case MenuMark::None:
        break;
    }
    return false;
}

} // namespace numorra::ui
