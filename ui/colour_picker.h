#pragma once

#include "board/colour.h"

class QWidget;

namespace numorra::ui {

// The board window's colour picker, CommonDialog1: open the colour dialog
// (modal), then read the colour it holds.
class ColourPicker {
public:
    virtual ~ColourPicker() = default;
    // Opens the dialog offering `current`, the colour the player sees now.
    virtual void open(Colour current) = 0;
    virtual Colour colour() const = 0;
};

// The toolkit's colour dialog. It offers the window's current colour; a
// cancelled dialog leaves that colour as it was, so the look does not change.
class DialogColourPicker final : public ColourPicker {
public:
    explicit DialogColourPicker(QWidget* owner);
    void open(Colour current) override;
    Colour colour() const override { return colour_; }

private:
    QWidget* owner_;
    Colour colour_ = kFreshColour;
};

} // namespace numorra::ui
