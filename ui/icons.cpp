#include "ui/icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

#include <memory>
#include <stdexcept>

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

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap image(size);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paint(&painter, image.rect(), mode, state);
        return image;
    }

    QIconEngine* clone() const override { return new SvgIconEngine(resource_); }
    QString key() const override { return QStringLiteral("numorra-svg"); }

private:
    QString resource_;
    std::shared_ptr<QSvgRenderer> renderer_;
};

QIcon iconFrom(const QString& resource)
{
    registerIconResources();
    return QIcon(new SvgIconEngine(resource));
}

} // namespace

QIcon applicationIcon()
{
    return iconFrom(QStringLiteral(":/icons/numorra.svg"));
}

QIcon aboutIcon()
{
    return iconFrom(QStringLiteral(":/icons/aboutme.svg"));
}

} // namespace numorra::ui
