#include "ui/placement.h"

#include "ui/design.h"
#include "ui/qt_text.h"

#include <QLabel>
#include <QScreen>
#include <QWidget>

namespace numorra::ui {

void applyDesign(QWidget& control, const ControlDesign& design)
{
    control.setObjectName(toQString(design.name));
    control.setGeometry(design.place.toPixels());
    if (design.points > 0) {
        control.setFont(designFont(design.points));
    }
    control.setVisible(design.visible);
    if (auto* label = qobject_cast<QLabel*>(&control);
        label != nullptr && label->pixmap().isNull()) {
        label->adjustSize();
    }
}

void centreOnScreen(QWidget& window)
{
    const QRect area = window.screen()->availableGeometry();
    QRect frame = window.frameGeometry();
    frame.moveCenter(area.center());
    window.move(frame.topLeft());
}

} // namespace numorra::ui
