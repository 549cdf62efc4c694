#include "ui/return_presses.h"

#include <QKeyEvent>
#include <QPushButton>

namespace numorra::ui {

void ReturnPresses::watch(QPushButton& button)
{
    button.installEventFilter(this);
}

bool ReturnPresses::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = dynamic_cast<QKeyEvent*>(event);
    auto* button = qobject_cast<QPushButton*>(watched);
    if (key == nullptr || button == nullptr ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier ||
        (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)) {
        return false;
    }
    if (!key->isAutoRepeat()) {
        button->click();
    }
    return true;
}

} // namespace numorra::ui
