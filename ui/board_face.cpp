#include "ui/board_face.h"

#include "ui/colours.h"
#include "ui/contrast.h"

#include <QLabel>

namespace numorra::ui {

BoardFace::BoardFace(const QWidget& window, QWidget& client,
                     std::vector<std::pair<QLabel*, Colour>> designColoured)
    : window_(window), client_(client), designColoured_(std::move(designColoured))
{
    client_.setAutoFillBackground(true);
}

void BoardFace::paint(Colour colour)
{
    colour_ = colour;
    // The face comes from the theme or the player, the labels' text from the
    // theme or the design; where the two would not be readable together,
    // the text gives way, and only as far as it must. The theme's text role
    // is overridden only where it must change: a palette that sets it made
    // the toolkit keep about 20 KiB more with every window loaded.
    const QPalette theme = window_.palette();
    const QColor face = toQColor(colour, theme);
    const QColor themeText = theme.color(QPalette::WindowText);
    QPalette clientPalette = theme;
    clientPalette.setColor(QPalette::Window, face);
    if (const QColor text = readableOn(themeText, face); text != themeText) {
        clientPalette.setColor(QPalette::WindowText, text);
    }
    client_.setPalette(clientPalette);
    for (const auto& [label, text] : designColoured_) {
        QPalette own = label->palette();
        own.setColor(QPalette::WindowText, readableOn(toQColor(text, theme), face));
        label->setPalette(own);
    }
}

} // namespace numorra::ui
