#pragma once

#include <cstdint>

namespace numorra {

// A colour as the game stores it: 0x00BBGGRR for an RGB colour (red in the
// low byte), or 0x800000nn for the platform's system colour number nn.
using Colour = std::uint32_t;

inline constexpr Colour kSystemColourFlag = 0x80000000U;

constexpr Colour systemColour(std::uint8_t index)
{
    return kSystemColourFlag | index;
}

constexpr Colour rgbColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8U) |
           (static_cast<Colour>(blue) << 16U);
}

constexpr bool isSystemColour(Colour colour)
{
    return (colour & kSystemColourFlag) != 0;
}
constexpr std::uint8_t systemColourIndex(Colour colour)
{
    return colour & 0xFFU;
}
constexpr std::uint8_t redOf(Colour colour)
{
    return colour & 0xFFU;
}
constexpr std::uint8_t greenOf(Colour colour)
{
    return (colour >> 8U) & 0xFFU;
}
constexpr std::uint8_t blueOf(Colour colour)
{
    return (colour >> 16U) & 0xFFU;
}

// System colour 15 is the button face: the colour of a box not yet opened in
// this game, and the default background of a board window.
inline constexpr std::uint8_t kButtonFaceIndex = 15;
inline constexpr Colour kFreshColour = systemColour(kButtonFaceIndex);
// A box opened in this game is pure red.
inline constexpr Colour kOpenedColour = rgbColour(255, 0, 0);

} // namespace numorra
