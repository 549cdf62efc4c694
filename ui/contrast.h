#pragma once

#include <QColor>

namespace numorra::ui {

// The contrast the common accessibility guideline asks of normal text.
inline constexpr double kReadableContrast = 4.5;

// The contrast ratio of two colours, from 1 (the same) to 21 (black and
// white), by their relative luminance.
double contrastRatio(const QColor& first, const QColor& second);

// `text` itself where it is readable on `background`; otherwise the same
// hue mixed towards white or black, whichever the background needs, only as
// far as it takes to reach kReadableContrast (or as far as it goes).
QColor readableOn(const QColor& text, const QColor& background);

} // namespace numorra::ui
