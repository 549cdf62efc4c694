#include "ui/placement.h"

#include <QScreen>
#include <QWidget>

namespace numorra::ui {

void centreOnScreen(QWidget& window)
{
    const QRect area = window.screen()->availableGeometry();
    QRect frame = window.frameGeometry();
    frame.moveCenter(area.center());
    window.move(frame.topLeft());
}

} // namespace numorra::ui
