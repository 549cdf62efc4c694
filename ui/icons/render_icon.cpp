// Renders a vector icon to a square bitmap of a given size when the game is
// built: PNG for the desktops that want bitmaps, and for the game's own
// windows the bare premultiplied ARGB32 pixels (OUTPUT.argb), which it
// shows without decoding anything.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        static_cast<void>(
            std::fputs("usage: render_icon SOURCE.svg SIZE OUTPUT.png|OUTPUT.argb\n", stderr));
        return EXIT_FAILURE;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const int size = std::stoi(argv[2]);
    const QString output = QString::fromLocal8Bit(argv[3]);

    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        static_cast<void>(
            std::fprintf(stderr, "render_icon: %s is not a readable SVG image\n", argv[1]));
        return EXIT_FAILURE;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    const bool saved = [&] {
        if (!output.endsWith(QLatin1String(".argb"))) {
            return image.save(output, "PNG");
        }
        QByteArray pixels(image.sizeInBytes(), Qt::Uninitialized);
        std::memcpy(pixels.data(), image.constBits(), static_cast<std::size_t>(pixels.size()));
        QFile file(output);
        return file.open(QIODevice::WriteOnly) && file.write(pixels) == pixels.size();
    }();
    if (!saved) {
        static_cast<void>(std::fprintf(stderr, "render_icon: cannot write %s\n", argv[3]));
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
