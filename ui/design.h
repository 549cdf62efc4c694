#pragma once

#include "board/colour.h"
#include "board/level_table.h"
#include "ui/identity.h"

#include <QFont>
#include <QRect>

#include <optional>
#include <string_view>

namespace numorra::ui {

// Places and sizes are in twips, 15 to one logical pixel; the toolkit's
// own scaling takes it from there on a high-resolution screen.
inline constexpr int kTwipsPerPixel = 15;

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;

    QRect toPixels() const
    {
        return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                height / kTwipsPerPixel};
    }
};

// One control of a window as it stands when the window is built. Texts the
// board drives (captions of Label1, Label2, Command1; Text1, Text2) are left
// empty here: they come from the board's own design state.
struct ControlDesign {
    std::string_view name;
    TwipsRect place;
    std::string_view text;
    double points; // 0 for the window's own font
    std::optional<Colour> textColour;
    bool visible;
    int tabIndex; // -1 where the control has none
};

inline constexpr TwipsRect kBoardClient{0, 0, 5835, 4800};
inline constexpr std::string_view kStopCaption = "Stop &Game.";

// Every control of a board window but the boxes, in the order they are built.
struct BoardDesign {
    ControlDesign label3, text1, command1, command33, label2, label4, label1, label5, text2;
};
const BoardDesign& boardDesign();

// The boxes: 41 x 33 pixels on a 720-twip pitch, placed by their grid place.
TwipsRect boxPlace(int box);
int boxTabIndex(int box);

inline constexpr TwipsRect kAboutClient{0, 0, 4680, 3165};
inline constexpr Colour kAboutBackground = rgbColour(0xE0, 0xE0, 0xE0);
// The text of the standard light palette, which the design's default text
// colour is on this face.
inline constexpr Colour kAboutText = rgbColour(0, 0, 0);

struct AboutDesign {
    ControlDesign image1, label1, label2, label4, command1;
};
const AboutDesign& aboutDesign();

// The design's bold face at a size in points, with metric-compatible
// substitutes where the face itself is missing.
QFont designFont(double points);

} // namespace numorra::ui
