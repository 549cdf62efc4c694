#include "ui/icons.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QResource>

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>
#include <string>
#include <utility>

namespace numorra::ui {

namespace {

// The sizes a window system is offered for a window's icon: the usual small
// ones. The build draws each of them, and each at twice its size.
constexpr auto kWindowIconSizes = std::to_array({NUMORRA_WINDOW_ICON_SIZES});

// An icon whose pixels were drawn from its vector art at build time, at the
// window sizes and twice them; any other size is scaled from the next larger
// drawing.
class DrawnIconEngine final : public QIconEngine {
public:
    explicit DrawnIconEngine(QString name) : name_(std::move(name))
    {
        for (const int size : kWindowIconSizes) {
            for (const int pixels : {size, 2 * size}) {
                if (const QResource drawn(fileAt(pixels));
                    !drawn.isValid() || drawn.uncompressedSize() != 4LL * pixels * pixels) {
                    throw std::runtime_error("the icon " + fileAt(pixels).toStdString() +
                                             " was not built into the program");
                }
            }
        }
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override
    {
        const int wanted = std::max(size.width(), size.height());
        int drawn = 2 * kWindowIconSizes.back();
        for (const int windowSize : kWindowIconSizes) {
            for (const int pixels : {windowSize, 2 * windowSize}) {
                if (pixels >= wanted && pixels < drawn) {
                    drawn = pixels;
                }
            }
        }
        const QByteArray pixels = QResource(fileAt(drawn)).uncompressedData();
        QImage image(drawn, drawn, QImage::Format_ARGB32_Premultiplied);
        std::memcpy(image.bits(), pixels.constData(),
                    static_cast<std::size_t>(std::min(pixels.size(), image.sizeInBytes())));
        if (drawn != size.width() || drawn != size.height()) {
            image = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        return QPixmap::fromImage(std::move(image));
    }

    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override
    {
        QList<QSize> sizes;
        for (const int size : kWindowIconSizes) {
            sizes.append({size, size});
        }
        return sizes;
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(name_); }
    QString key() const override { return QStringLiteral("numorra-drawn"); }

private:
    QString fileAt(int pixels) const
    {
        return QStringLiteral(":/icons/%1-%2.argb").arg(name_).arg(pixels);
    }

    QString name_;
};

} // namespace

QIcon applicationIcon()
{
    // Once the program has made it its icon, every window shares that one.
    if (QIcon shared = QGuiApplication::windowIcon(); !shared.isNull()) {
        return shared;
    }
    return QIcon(new DrawnIconEngine(QStringLiteral("numorra")));
}

QIcon aboutIcon()
{
    return QIcon(new DrawnIconEngine(QStringLiteral("aboutme")));
}

} // namespace numorra::ui
