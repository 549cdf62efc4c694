#include "ui/placement.h"

#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QWidget>

namespace numorra::ui {

namespace {

void centreFrame(QWidget& window)
{
    const QRect area = window.screen()->availableGeometry();
    QRect frame = window.frameGeometry();
    frame.moveCenter(area.center());
    window.move(frame.topLeft());
}

// A window manager adds its frame only once the window is on screen, and the
// window then sits off centre by half the frame. This centres the window
// again, frame included, as soon as the frame is known, once.
class CentreWhenFramed final : public QObject {
public:
    explicit CentreWhenFramed(QWidget& window) : QObject(&window), window_(window)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window_ && event->type() == QEvent::Hide) {
            deleteLater();
        } else if (watched == &window_ &&
                   (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
                   window_.frameGeometry().size() != window_.size()) {
            window_.removeEventFilter(this);
            centreFrame(window_);
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
};

} // namespace

void centreOnScreen(QWidget& window)
{
    // A window takes its fixed size from its layout only once the layout
    // has run; centring the size it had before would put it off centre.
    if (QLayout* layout = window.layout(); layout != nullptr) {
        layout->activate();
    }
    centreFrame(window);
    if (window.frameGeometry().size() == window.size()) {
        new CentreWhenFramed(window);
    }
}

} // namespace numorra::ui
