#pragma once

#include "ui/design.h"

#include <QWidget>

#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace numorra::ui {

// The controls of a window, built from its design rows: one widget a row,
// with the row's name, place, font, visibility and text, found again by
// name with its type checked. The controls that take the focus are chained
// in the order of their tab indices.
class DesignWidgets {
public:
    DesignWidgets(std::span<const ControlDesign> design, QWidget& parent);

    // The widget built for `name`, of the type the caller expects; a name
    // the design lacks or a kind it does not have is a fault of the program.
    template <typename Widget> Widget& get(std::string_view name) const
    {
        auto* widget = qobject_cast<Widget*>(find(name));
        if (widget == nullptr) {
            throw std::logic_error("the design has no such control as " + std::string(name));
        }
        return *widget;
    }

    // A control built elsewhere (a box) takes its place in the tab order.
    void addToTabOrder(int tabIndex, QWidget& widget);
    // Chains the controls by tab index.
    void applyTabOrder() const;

private:
    QWidget* find(std::string_view name) const;

    std::map<std::string_view, QWidget*> byName_;
    std::map<int, QWidget*> byTabIndex_;
};

} // namespace numorra::ui
