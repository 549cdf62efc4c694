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
    box.setAccessibleName(QString::fromStdString(message.title));
    box.setAccessibleDescription(QString::fromStdString(message.text));
    box.exec();
}

} // namespace numorra::ui
