#pragma once

#include <QColor>

namespace numorra::ui {

// The contrast the common accessibility guideline asks of normal text.
inline constexpr double kReadableContrast = 4.5;

// The contrast the same guideline asks of what is not text: a focus mark,
// the edge of a control.
inline constexpr double kMarkContrast = 3.0;

// The contrast ratio of two colours, from 1 (the same) to 21 (black and
// white), by their relative luminance.
double contrastRatio(const QColor& first, const QColor& second);

// `text` itself where it is readable on `background`; otherwise the same
// hue mixed towards white or black, whichever the background needs, only as
// far as it takes to reach kReadableContrast (or as far as it goes).
QColor readableOn(const QColor& text, const QColor& background);

// `preferred` where it stands out from `surface` by kMarkContrast; else
// black or white, whichever stands out more (one of them always does).
QColor markOn(const QColor& preferred, const QColor& surface);

} // namespace numorra::ui
