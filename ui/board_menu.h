#pragma once

#include "board/level_table.h"

#include <QObject>

#include <functional>
#include <span>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

class QAction;
class QMenuBar;

namespace numorra::ui {

class BoardWindow;

// When a menu item shows its check mark.
enum class MenuMark {
    None,
    UntilCustomColours, // until Custom Colors is first chosen
    FromCustomColours,  // from the moment Custom Colors is chosen
    OwnLevel,           // on the level item of the window's own level
};

// What a menu item does: nothing of its own (a submenu), run one of the
// board window's handlers, or switch to a level.
using MenuAction = std::variant<std::monostate, void (BoardWindow::*)(), Level>;

struct MenuItem {
    std::string_view name;
    std::string_view parent; // empty for the menu bar
    std::string_view caption;
    std::string_view shortcut;
    MenuMark mark;
    MenuAction action;
};

// A board window's menu tree, built from its items, with their check marks.
// Choosing an item hands it to `run`.
class BoardMenu final : public QObject {
public:
    BoardMenu(QMenuBar& bar, std::span<const MenuItem> items, Level level,
              std::function<void(const MenuItem&)> run);

    // Custom Colors was chosen: the mark moves from Default to it, and stays
    // there until the window is loaded afresh.
    void markCustomColours();

private:
    // The marks as the window keeps them; a click on a checkable item would
    // otherwise toggle it by itself.
    void showMarks();
    bool marked(const MenuItem& item) const;

    Level level_;
    std::function<void(const MenuItem&)> run_;
    std::vector<std::pair<const MenuItem*, QAction*>> checkable_;
    bool customMarked_ = false;
};

} // namespace numorra::ui
