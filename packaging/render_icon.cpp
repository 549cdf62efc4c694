// Renders the application's vector icon to a square PNG of a given size, so
// that desktops which want bitmaps get ones drawn at their own size.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        static_cast<void>(std::fputs("usage: render_icon SOURCE.svg SIZE OUTPUT.png\n", stderr));
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
    if (!image.save(output, "PNG")) {
        static_cast<void>(std::fprintf(stderr, "render_icon: cannot write %s\n", argv[3]));
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
