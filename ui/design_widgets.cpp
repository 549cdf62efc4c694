#include "ui/design_widgets.h"

#include "ui/face_button.h"
#include "ui/qt_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace numorra::ui {

namespace {

QWidget* build(const ControlDesign& design, QWidget& parent)
{
    switch (design.kind) {
    case ControlKind::Image:
        return new QLabel(&parent);
    case ControlKind::Label:
        return new QLabel(toQString(design.text), &parent);
    case ControlKind::TextBox:
        return new QLineEdit(&parent);
    case ControlKind::Button:
        return new QPushButton(toQString(design.text), &parent);
    case ControlKind::GraphicalButton: {
        auto* button = new FaceButton(&parent);
        button->setText(toQString(design.text));
        return button;
    }
    }
    throw std::logic_error("no such kind of control");
}

} // namespace

DesignWidgets::DesignWidgets(std::span<const ControlDesign> design, QWidget& parent)
{
    for (const ControlDesign& row : design) {
        QWidget* control = build(row, parent);
        control->setObjectName(toQString(row.name));
        control->setGeometry(row.place.toPixels());
        if (row.points > 0) {
            control->setFont(designFont(row.points));
        }
        control->setVisible(row.visible);
        // A text label takes the size its caption needs.
        if (row.kind == ControlKind::Label) {
            qobject_cast<QLabel*>(control)->adjustSize();
        }
        byName_.emplace(row.name, control);
        if (row.kind != ControlKind::Label && row.kind != ControlKind::Image) {
            byTabIndex_.emplace(row.tabIndex, control);
        }
    }
}

QWidget* DesignWidgets::find(std::string_view name) const
{
    const auto found = byName_.find(name);
    return found == byName_.end() ? nullptr : found->second;
}

void DesignWidgets::addToTabOrder(int tabIndex, QWidget& widget)
{
    if (!byTabIndex_.emplace(tabIndex, &widget).second) {
        throw std::logic_error("two controls have tab index " + std::to_string(tabIndex));
    }
}

void DesignWidgets::applyTabOrder() const
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
