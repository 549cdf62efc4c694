#include "ui/message_box.h"

#include <QString>

namespace numorra::ui {

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
    box.exec();
}

} // namespace numorra::ui
