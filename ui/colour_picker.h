#pragma once

#include "board/colour.h"

class QWidget;

namespace numorra::ui {

// The board window's colour picker, CommonDialog1: open the colour dialog
// (modal), then read the colour it holds.
class ColourPicker {
public:
    virtual ~ColourPicker() = default;
    virtual void open() = 0;
    virtual Colour colour() const = 0;
};

// The toolkit's colour dialog. It offers the colour it holds; a cancelled
// dialog leaves that colour as it was, so the look does not change.
class DialogColourPicker final : public ColourPicker {
public:
    DialogColourPicker(QWidget* owner, Colour offered);
    void open() override;
    Colour colour() const override { return colour_; }

private:
    QWidget* owner_;
    Colour colour_;
};

} // namespace numorra::ui
