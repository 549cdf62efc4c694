#include "ui/design.h"

#include <QFontDatabase>
#include <QStringList>

#include <array>

namespace numorra::ui {

namespace {

constexpr double kSmall = 8.25;
constexpr double kLarge = 9.75;
constexpr Colour kDarkRed = rgbColour(192, 0, 0);

// Captions are the game's own words and keep its own spelling, "Time
// Remaing" among them: players know the game by them, so they are not to be
// corrected.
constexpr BoardDesign kBoardDesign{
    .label3 = {"Label3", {120, 120, 1215, 195}, "Time Remaing", kSmall, {}, true, 45},
    .text1 = {"Text1", {480, 480, 495, 285}, "", kSmall, {}, true, 1},
    .command1 = {"Command1", {2280, 120, 3495, 375}, "", 0, {}, true, 3},
    .command33 = {"Command33", {2280, 480, 3495, 375}, kStopCaption, 0, {}, true, 44},
    .label2 = {"Label2", {2520, 120, 45, 195}, "", 0, {}, false, 2},
    .label4 = {"Label4", {120, 960, 1800, 195}, "Find out this number:", kSmall, {}, true, 46},
    .label1 = {"Label1", {1920, 960, 135, 240}, "", kLarge, kDarkRed, true, 0},
    .label5 =
        {"Label5", {2640, 960, 2415, 195}, "This is your chance number:", kSmall, {}, true, 48},
    .text2 = {"Text2", {5040, 960, 495, 285}, "", kSmall, {}, true, 47},
};

// Tab indices in box order: Command2 to Command31 come first, then
// Command37 to Command45, and Command32 last of all.
constexpr std::array<int, kBoxCount> kBoxTabIndices{
    4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,
    24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 43, 34, 35, 36, 37, 38, 39, 40, 41, 42,
};

constexpr int kBoxWidth = 615;
constexpr int kBoxHeight = 495;
constexpr int kBoxPitch = 720;
constexpr int kGridLeft = 120;
constexpr int kGridTop = 1320;

constexpr AboutDesign kAboutDesign{
    .image1 = {"Image1", {360, 240, 480, 480}, "", 0, {}, true, -1},
    .label1 = {"Label1", {1080, 240, 2985, 360}, kBoardCaption, 13.5, {}, true, 0},
    .label2 = {"Label2", {960, 840, 3015, 300}, "Made By Ombrevale", 12, {}, true, 1},
    .label4 = {"Label4", {0, 1920, 4560, 240}, kAuthorAddress, kLarge, {}, true, 2},
    .command1 = {"Command1", {3240, 2520, 1215, 495}, "&OK", 0, {}, true, 3},
};

} // namespace

const BoardDesign& boardDesign()
{
    return kBoardDesign;
}

TwipsRect boxPlace(int box)
{
    const BoxPlace& place = kBoxPlaces.at(boxIndex(box));
    return {kGridLeft + kBoxPitch * (place.column - 1), kGridTop + kBoxPitch * (place.row - 1),
            kBoxWidth, kBoxHeight};
}

int boxTabIndex(int box)
{
    return kBoxTabIndices.at(boxIndex(box));
}

const AboutDesign& aboutDesign()
{
    return kAboutDesign;
}

namespace {

// The design's face or, where it is missing, the first installed of its
// metric-compatible stand-ins; none of them: the toolkit's sans serif. Looked
// up once and named alone: the toolkit searches all fonts for a missing name.
const QString& designFamily()
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char* name :
             {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"}) {
            if (installed.contains(QLatin1String(name))) {
                return QString::fromLatin1(name);
            }
        }
        return QString();
    }();
    return family;
}

} // namespace

QFont designFont(double points)
{
    QFont font(designFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

} // namespace numorra::ui
