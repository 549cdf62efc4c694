#include "ui/face_button.h"

#include "ui/contrast.h"

#include <QApplication>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace numorra::ui {

namespace {

// The width of the outline the style draws around a button's face.
constexpr qreal kOutline = 1.5;
// The focus mark's two lines, in logical pixels.
constexpr qreal kOuterMark = 1.0;
constexpr qreal kInnerMark = 2.0;

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
    // The bevel is drawn in the theme's palette. The style caches what it
    // draws under the palette's identity, and the button's own is made anew
    // with every window it is built in whenever that window has colours of
    // its own (the About window's grey, at every opening): each would fill
    // that cache anew. The theme's changes only with the theme. The face
    // colour goes on top, inside the bevel's outline; the caption and the
    // focus mark keep the button's own palette.
    QStyleOptionButton bevel = option;
    bevel.palette = QApplication::palette(this);
    painter.drawControl(QStyle::CE_PushButtonBevel, bevel);
    if (face_ != bevel.palette.color(QPalette::Button)) {
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
        drawFocusMark(painter);
    }
}

void FaceButton::drawFocusMark(QPainter& painter) const
{
    // Two lines just inside the button's edge: the outer one stands out from
    // the board around the button, the inner one from the button's face,
    // each by at least 3:1. Each is the palette's highlight where that
    // stands out enough, else black or white, so the mark follows the theme,
    // a red opened box and the player's own background colour alike.
    const QColor highlight = palette().color(QPalette::Highlight);
    const auto ring = [&painter](const QRectF& outside, qreal width, const QColor& colour) {
        painter.fillRect(QRectF(outside.left(), outside.top(), outside.width(), width), colour);
        painter.fillRect(QRectF(outside.left(), outside.bottom() - width, outside.width(), width),
                         colour);
        painter.fillRect(QRectF(outside.left(), outside.top(), width, outside.height()), colour);
        painter.fillRect(QRectF(outside.right() - width, outside.top(), width, outside.height()),
                         colour);
    };
    const QRectF edge(rect());
    ring(edge, kOuterMark, markOn(highlight, palette().color(QPalette::Window)));
    ring(edge.adjusted(kOuterMark, kOuterMark, -kOuterMark, -kOuterMark), kInnerMark,
         markOn(highlight, face_));
}

} // namespace numorra::ui
