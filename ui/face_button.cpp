#include "ui/face_button.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace numorra::ui {

namespace {

// The width of the outline the style draws around a button's face.
constexpr qreal kOutline = 1.5;

} // namespace

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
    // The bevel is drawn in the button's own palette: the style caches what
    // it draws under the palette's identity, and a palette made for each
    // button would fill that cache anew with every window and every opened
    // box. The face colour goes on top, inside the bevel's outline.
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    if (face_ != option.palette.color(QPalette::Button)) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(face_);
        painter.drawRoundedRect(QRectF(rect()).adjusted(kOutline, kOutline, -kOutline, -kOutline),
                                kOutline, kOutline);
        painter.restore();
    }
    painter.drawControl(QStyle::CE_PushButtonLabel, option);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()
                         ->subElementRect(QStyle::SE_PushButtonContents, &option, this)
                         .adjusted(1, 1, -1, -1);
        focus.backgroundColor = face_;
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace numorra::ui
