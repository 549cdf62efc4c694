#pragma once

#include "board/level_table.h"
#include "ui/design.h"

#include <QObject>

#include <map>

class QAction;
class QMenuBar;

namespace numorra::ui {

// A board window's menu tree, built from the design, with its check marks:
// the window's own level, and Default or Custom Colors. Each leaf item says
// which command the player chose.
class BoardMenu final : public QObject {
    Q_OBJECT

public:
    BoardMenu(QMenuBar& bar, Level level);

    // Custom Colors was chosen: the mark moves from Default to it, and stays
    // there until the window is loaded afresh.
    void markCustomColours();

signals:
    void chosen(MenuCommand command);

private:
    // The marks as the window keeps them; a click on a checkable item would
    // otherwise toggle it by itself.
    void showMarks();
    bool marked(const MenuItemDesign& item) const;

    Level level_;
    std::map<MenuCommand, QAction*> items_;
    bool customMarked_ = false;
};

} // namespace numorra::ui
