#pragma once

#include <QColor>
#include <QPushButton>

namespace numorra::ui {

// A push button whose face is filled with a colour of its own, whatever the
// style: the boxes show fresh and opened this way, and the About window's OK
// button its grey. The style still draws the bevel and the caption; the
// button draws its own focus mark, which a face of any colour cannot hide.
class FaceButton : public QPushButton {
    Q_OBJECT

public:
    explicit FaceButton(QWidget* parent);

    QColor faceColour() const { return face_; }
    void setFaceColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawFocusMark(QPainter& painter) const;

    QColor face_;
};

} // namespace numorra::ui
