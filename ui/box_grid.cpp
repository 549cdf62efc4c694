#include "ui/box_grid.h"

#include "ui/control_builder.h"
#include "ui/design.h"
#include "ui/face_button.h"
#include "ui/qt_text.h"

#include <QKeyEvent>

#include <algorithm>
#include <optional>

namespace numorra::ui {

BoxGrid::BoxGrid(QWidget& client, ControlBuilder& builder) : QObject(&client)
{
    for (int box = 0; box < kBoxCount; ++box) {
        const BoxPlace& place = kBoxPlaces.at(boxIndex(box));
        auto* button = new FaceButton(&client);
        button->setObjectName(toQString(place.name));
        button->setGeometry(boxPlace(box).toPixels());
        button->setAccessibleName(
            QStringLiteral("Box, row %1, column %2").arg(place.row).arg(place.column));
        builder.addToTabOrder(boxTabIndex(box), *button);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, box] { emit clicked(box); });
        boxes_.at(boxIndex(box)) = button;
    }
}

FaceButton& BoxGrid::at(int box) const
{
    return *boxes_.at(boxIndex(box));
}

FaceButton& BoxGrid::firstInTabOrder() const
{
    int first = 0;
    for (int box = 1; box < kBoxCount; ++box) {
        if (boxTabIndex(box) < boxTabIndex(first)) {
            first = box;
        }
    }
    return at(first);
}

void BoxGrid::describe(const Board& board) const
{
    for (int box = 0; box < kBoxCount; ++box) {
        describe(board, box);
    }
}

void BoxGrid::describe(const Board& board, int box) const
{
    QString description = board.controls().box(box).colour == kOpenedColour
                              ? QStringLiteral("Opened in this game")
                              : QStringLiteral("Not opened");
    // A player who cannot see the board hears the target wherever the
    // focus is during a game, starting with the box a start moves it to.
    if (board.gameInProgress()) {
        description += QStringLiteral(". ") + toQString(boardDesign().label4.text) +
                       QLatin1Char(' ') + QString::fromStdString(board.controls().label1Caption);
    }
    // Each change is an event a screen reader must work through: a flood of
    // unchanged ones kept Orca minutes behind the game.
    FaceButton& button = at(box);
    if (description != button.accessibleDescription()) {
        button.setAccessibleDescription(description);
    }
}

bool BoxGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = dynamic_cast<QKeyEvent*>(event);
    if (key == nullptr || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return moveFocus(watched, key->key());
    default:
        return false;
    }
}

bool BoxGrid::moveFocus(QObject* from, int key) const
{
    const auto* const found = std::ranges::find(boxes_, from);
    if (found == boxes_.end()) {
        return false;
    }
    const int box = static_cast<int>(found - boxes_.begin());
    const int rowStep = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
    const int columnStep = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
    if (const std::optional<int> next = boxBeside(box, rowStep, columnStep)) {
        at(*next).setFocus(Qt::OtherFocusReason);
    }
    return true;
}

} // namespace numorra::ui
