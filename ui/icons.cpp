#include "ui/icons.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

#include <map>
#include <memory>
#include <stdexcept>
#include <utility>

// The icons are compiled into the ui library; a static library's resources
// must be registered by hand before the first use.
static void registerIconResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace numorra::ui {

namespace {

// Renders an SVG resource at exactly the size asked for.
class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(const QString& resource)
        : resource_(resource), renderer_(std::make_shared<QSvgRenderer>(resource))
    {
        if (!renderer_->isValid()) {
            throw std::runtime_error("the icon " + resource.toStdString() + " cannot be read");
        }
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode /*mode*/,
               QIcon::State /*state*/) override
    {
        renderer_->render(painter, rect);
    }

    // Drawn once per size: the window system asks for the same sizes again
    // whenever a window is created or shown.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        const auto key = std::make_pair(size.width(), size.height());
        if (const auto drawn = drawn_.find(key); drawn != drawn_.end()) {
            return drawn->second;
        }
        QPixmap image(size);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paint(&painter, image.rect(), mode, state);
        painter.end();
        drawn_.emplace(key, image);
        return image;
    }

    // The sizes a window system asks for when it wants a set of bitmaps (the
    // X11 window icon): the usual small ones. Any other size is still drawn
    // on request, and drawing the largest ones for every window made a
    // noticeable part of start-up.
    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override
    {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    }

    QIconEngine* clone() const override { return new SvgIconEngine(resource_); }
    QString key() const override { return QStringLiteral("numorra-svg"); }

private:
    QString resource_;
    std::shared_ptr<QSvgRenderer> renderer_;
    std::map<std::pair<int, int>, QPixmap> drawn_;
};

QIcon iconFrom(const QString& resource)
{
    registerIconResources();
    return QIcon(new SvgIconEngine(resource));
}

} // namespace

QIcon applicationIcon()
{
    // Once the program has made it its icon, every window shares that one
    // and the sizes it has already drawn.
    if (QIcon shared = QGuiApplication::windowIcon(); !shared.isNull()) {
        return shared;
    }
    return iconFrom(QStringLiteral(":/icons/numorra.svg"));
}

QIcon aboutIcon()
{
    return iconFrom(QStringLiteral(":/icons/aboutme.svg"));
}

} // namespace numorra::ui
