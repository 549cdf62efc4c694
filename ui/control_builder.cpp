#include "ui/control_builder.h"

#include "ui/face_button.h"
#include "ui/qt_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <stdexcept>
#include <string>

namespace numorra::ui {

template <typename Widget>
Widget& ControlBuilder::place(Widget& widget, const ControlDesign& design)
{
    widget.setObjectName(toQString(design.name));
    widget.setGeometry(design.place.toPixels());
    if (design.points > 0) {
        widget.setFont(designFont(design.points));
    }
    widget.setVisible(design.visible);
    return widget;
}

QLabel& ControlBuilder::label(const ControlDesign& design)
{
    auto& label = place(*new QLabel(toQString(design.text), &parent_), design);
    label.adjustSize();
    if (design.textColour) {
        colouredLabels_.emplace_back(&label, *design.textColour);
    }
    return label;
}

QLabel& ControlBuilder::image(const ControlDesign& design)
{
    return place(*new QLabel(&parent_), design);
}

QLineEdit& ControlBuilder::textBox(const ControlDesign& design)
{
    auto& box = place(*new QLineEdit(&parent_), design);
    addToTabOrder(design.tabIndex, box);
    return box;
}

QPushButton& ControlBuilder::button(const ControlDesign& design)
{
    auto& button = place(*new QPushButton(toQString(design.text), &parent_), design);
    addToTabOrder(design.tabIndex, button);
    return button;
}

FaceButton& ControlBuilder::faceButton(const ControlDesign& design)
{
    auto& button = place(*new FaceButton(&parent_), design);
    button.setText(toQString(design.text));
    addToTabOrder(design.tabIndex, button);
    return button;
}

void ControlBuilder::addToTabOrder(int tabIndex, QWidget& widget)
{
    if (!byTabIndex_.emplace(tabIndex, &widget).second) {
        throw std::logic_error("two controls have tab index " + std::to_string(tabIndex));
    }
}

void ControlBuilder::applyTabOrder() const
{
    QWidget* previous = nullptr;
    for (const auto& [index, widget] : byTabIndex_) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

} // namespace numorra::ui
