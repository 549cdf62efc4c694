#include "ui/contrast.h"

#include <algorithm>
#include <cmath>

namespace numorra::ui {

namespace {

double linear(double channel)
{
    constexpr double kKnee = 0.04045;
    return channel <= kKnee ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

QColor mix(const QColor& from, const QColor& to, double share)
{
    const auto channel = [share](float a, float b) {
        return static_cast<float>(a + (b - a) * share);
    };
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    // Rounded to the 8 bits a channel is drawn with, so that what is
    // measured here is what the screen shows.
    return {QColor::fromRgbF(channel(a.redF(), b.redF()), channel(a.greenF(), b.greenF()),
                             channel(a.blueF(), b.blueF()))
                .rgb()};
}

} // namespace

double contrastRatio(const QColor& first, const QColor& second)
{
    constexpr double kFlare = 0.05;
    const double a = luminance(first) + kFlare;
    const double b = luminance(second) + kFlare;
    return std::max(a, b) / std::min(a, b);
}

QColor readableOn(const QColor& text, const QColor& background)
{
    if (contrastRatio(text, background) >= kReadableContrast) {
        return text;
    }
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    const QColor towards =
        contrastRatio(white, background) >= contrastRatio(black, background) ? white : black;
    // The least mix that is readable: contrast grows with the share.
    double low = 0.0;
    double high = 1.0;
    constexpr int kSteps = 16;
    for (int step = 0; step < kSteps; ++step) {
        const double middle = (low + high) / 2.0;
        if (contrastRatio(mix(text, towards, middle), background) >= kReadableContrast) {
            high = middle;
        } else {
            low = middle;
        }
    }
    return mix(text, towards, high);
}

QColor markOn(const QColor& preferred, const QColor& surface)
{
    if (contrastRatio(preferred, surface) >= kMarkContrast) {
        return preferred;
    }
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    return contrastRatio(white, surface) >= contrastRatio(black, surface) ? white : black;
}

} // namespace numorra::ui
