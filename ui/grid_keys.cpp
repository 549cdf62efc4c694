#include "ui/grid_keys.h"

#include "ui/face_button.h"

#include <QKeyEvent>

#include <algorithm>
#include <optional>

namespace numorra::ui {

GridKeys::GridKeys(const std::array<FaceButton*, kBoxCount>& boxes, QObject* parent)
    : QObject(parent), boxes_(boxes)
{
    for (FaceButton* box : boxes_) {
        box->installEventFilter(this);
    }
}

bool GridKeys::eventFilter(QObject* watched, QEvent* event)
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

bool GridKeys::moveFocus(QObject* from, int key) const
{
    const auto* const found = std::ranges::find(boxes_, from);
    if (found == boxes_.end()) {
        return false;
    }
    const int box = static_cast<int>(found - boxes_.begin());
    const int rowStep = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
    const int columnStep = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
    const std::optional<int> next = boxBeside(box, rowStep, columnStep);
    if (next) {
        boxes_.at(static_cast<std::size_t>(*next))->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

} // namespace numorra::ui
