#include "ui/face_button.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace numorra::ui {

FaceButton::FaceButton(QWidget* parent)
    : QPushButton(parent), face_(palette().color(QPalette::Button))
{
}

void FaceButton::setFaceColour(const QColor& colour)
{
    if (colour != face_) {
        face_ = colour;
        update();
    }
}

void FaceButton::paintEvent(QPaintEvent* /*event*/)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.palette.setColor(QPalette::Button, face_);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QRect face = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.fillRect(face, face_);
    painter.drawControl(QStyle::CE_PushButtonLabel, option);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = face.adjusted(1, 1, -1, -1);
        focus.backgroundColor = face_;
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace numorra::ui
