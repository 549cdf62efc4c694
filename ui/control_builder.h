#pragma once

#include "ui/design.h"

#include <map>
#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace numorra::ui {

class FaceButton;

// Builds a window's controls from their design rows, each as the kind of
// widget the window asks for and handed back as that type: one widget a
// row, with the row's name, place, font, visibility and text. The controls
// that take the focus are chained in the order of their tab indices.
class ControlBuilder {
public:
    explicit ControlBuilder(QWidget& parent) : parent_(parent) {}

    // A caption, sized to its text.
    QLabel& label(const ControlDesign& design);
    QLabel& image(const ControlDesign& design);
    QLineEdit& textBox(const ControlDesign& design);
    QPushButton& button(const ControlDesign& design);
    FaceButton& faceButton(const ControlDesign& design);

    // A control built elsewhere (a box) takes its place in the tab order.
    void addToTabOrder(int tabIndex, QWidget& widget);
    // Chains the controls by tab index.
    void applyTabOrder() const;
    // The labels the design gives a text colour of their own.
    const std::vector<std::pair<QLabel*, Colour>>& colouredLabels() const
    {
        return colouredLabels_;
    }

private:
    template <typename Widget> Widget& place(Widget& widget, const ControlDesign& design);

    QWidget& parent_;
    std::map<int, QWidget*> byTabIndex_;
    std::vector<std::pair<QLabel*, Colour>> colouredLabels_;
};

} // namespace numorra::ui
