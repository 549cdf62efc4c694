#include "ui/message_box.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QString>
#include <QStyleHints>

#include <utility>

namespace numorra::ui {

namespace {

// The second click of a double-click on a box arrives once the message that
// the first click opened is up. Where the message's OK lies under the
// pointer, that click would close the message before the player has read
// it. A mouse button pressed on a button of the message within the
// double-click interval of its coming up belongs to the click that opened
// it: it is dropped, and its release with it. The keyboard is not held up.
class LeftoverClicks final : public QObject {
public:
    explicit LeftoverClicks(const QMessageBox& box)
    {
        for (QAbstractButton* button : box.buttons()) {
            button->installEventFilter(this);
        }
        shown_.start();
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            dropping_ = dropping_ || shown_.elapsed() <
                                         QGuiApplication::styleHints()->mouseDoubleClickInterval();
            return dropping_;
        case QEvent::MouseButtonRelease:
            return std::exchange(dropping_, false);
        default:
            return false;
        }
    }

private:
    QElapsedTimer shown_;
    bool dropping_ = false;
};

} // namespace

QMessageBox::Icon iconFor(MessageStyle style)
{
    switch (style) {
    case MessageStyle::Critical:
        return QMessageBox::Critical;
    case MessageStyle::Exclamation:
        return QMessageBox::Warning;
    case MessageStyle::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

void ToolkitMessageBox::show(const Message& message)
{
    QMessageBox box(iconFor(message.style), QString::fromStdString(message.title),
                    QString::fromStdString(message.text), QMessageBox::Ok, owner_);
    box.setObjectName(QStringLiteral("message"));
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(QMessageBox::Ok);
    // A screen reader says the title, then the text, then the button; a
    // description would say the text a second time.
    const LeftoverClicks leftovers(box);
    box.exec();
}

} // namespace numorra::ui
