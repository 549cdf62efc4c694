#include "ui/colours.h"

#include <array>
#include <stdexcept>
#include <string>
#include <utility>

namespace numorra::ui {

namespace {

// The system colours the game can name, and the palette roles that play
// their part on this desktop.
constexpr std::array<std::pair<std::uint8_t, QPalette::ColorRole>, 6> kSystemColours{{
    {5, QPalette::Base},       // window
    {8, QPalette::Text},       // window text
    {13, QPalette::Highlight}, // highlight
    {14, QPalette::HighlightedText},
    {kButtonFaceIndex, QPalette::Button},
    {18, QPalette::ButtonText},
}};

} // namespace

QColor toQColor(Colour colour, const QPalette& palette)
{
    if (!isSystemColour(colour)) {
        return {redOf(colour), greenOf(colour), blueOf(colour)};
    }
    for (const auto& [index, role] : kSystemColours) {
        if (index == systemColourIndex(colour)) {
            return palette.color(QPalette::Active, role);
        }
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
