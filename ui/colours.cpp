#include "ui/colours.h"

#include <stdexcept>
#include <string>

namespace numorra::ui {

namespace {

// The only system colour the game names is the button face: the theme's
// button colour plays its part on this desktop.
constexpr QPalette::ColorRole kButtonFaceRole = QPalette::Button;

} // namespace

QColor toQColor(Colour colour, const QPalette& palette)
{
    if (!isSystemColour(colour)) {
        return {redOf(colour), greenOf(colour), blueOf(colour)};
    }
    if (systemColourIndex(colour) == kButtonFaceIndex) {
        return palette.color(QPalette::Active, kButtonFaceRole);
    }
    throw std::out_of_range("system colour " + std::to_string(systemColourIndex(colour)) +
                            " has no part in this desktop's palette");
}

Colour fromQColor(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return rgbColour(static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
                     static_cast<std::uint8_t>(rgb.blue()));
}

} // namespace numorra::ui
