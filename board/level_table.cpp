#include "board/level_table.h"

#include <stdexcept>
#include <string>

namespace numorra {

namespace {

constexpr std::string_view kLaterWinMessage = ":-) You Won!!!....Now Find Out The Next Number.";

const std::array<LevelData, 3> kLevelTable{{
    {Level::Easy,
     "Form1",
     55,
     31,
     {317, 529, 62,  422, 378, 204, 168, 199, 176, 366, 407, 462, 289, 321,
      351, 321, 435, 194, 548, 83,  349, 241, 545, 237, 467, 490, 402, 486,
      469, 262, 81,  438, 510, 535, 344, 205, 450, 186, 77,  409},
     "You Won!!!....Now Find Out The Next Number.................Donations are "
     "appreciated....Ombrevale Quillimont",
     ":-( Sorry! This Button Contains : "},
    {Level::Medium,
     "medium1",
     102,
     21,
     {595, 251, 533, 582, 130, 128, 215, 124, 509, 516, 233, 489, 454, 223,
      364, 241, 309, 537, 246, 368, 592, 413, 497, 557, 336, 396, 398, 485,
      284, 576, 482, 456, 288, 425, 449, 514, 109, 391, 368, 252},
     kLaterWinMessage,
     ":-( Sorry This Button Contains : "},
    {Level::Hard,
     "hard1",
     156,
     11,
     {543, 503, 591, 422, 450, 338, 363, 563, 551, 182, 422, 508, 611, 305,
      184, 630, 445, 163, 295, 587, 418, 510, 269, 306, 570, 277, 452, 536,
      467, 390, 178, 646, 342, 287, 649, 300, 636, 568, 479, 539},
     kLaterWinMessage,
     ":-( Sorry! This Button Contains : "},
}};

} // namespace

const LevelData& levelData(Level level)
{
    for (const LevelData& data : kLevelTable) {
        if (data.level == level) {
            return data;
        }
    }
    throw std::invalid_argument("unknown level " + std::to_string(static_cast<int>(level)));
}

std::string LevelData::helpText() const
{
    return "Click on the 'Start Game' button to start the game. A number will appear on the top "
           "which you have to find out from the boxes below. You will get 8 chances and " +
           std::to_string(playerSeconds()) + " seconds to find out the number within the boxes.";
}

std::size_t boxIndex(int box)
{
    if (box < 0 || box >= kBoxCount) {
        throw std::out_of_range("there is no box " + std::to_string(box));
    }
    return static_cast<std::size_t>(box);
}

std::int16_t LevelData::boxNumber(int box) const
{
    return boxNumbers.at(boxIndex(box));
}

int boxAt(int row, int column)
{
    for (int box = 0; box < kBoxCount; ++box) {
        const BoxPlace& place = kBoxPlaces.at(static_cast<std::size_t>(box));
        if (place.row == row && place.column == column) {
            return box;
        }
    }
    throw std::out_of_range("no box at row " + std::to_string(row) + ", column " +
                            std::to_string(column));
}

std::optional<int> boxBeside(int box, int rowStep, int columnStep)
{
    const BoxPlace& place = kBoxPlaces.at(boxIndex(box));
    const int row = place.row + rowStep;
    const int column = place.column + columnStep;
    if (row < 1 || row > kGridRows || column < 1 || column > kGridColumns) {
        return std::nullopt;
    }
    return boxAt(row, column);
}

} // namespace numorra
