#include "ui/services.h"

#include "ui/message_box.h"

#include <QCoreApplication>

namespace numorra::ui {

Services toolkitServices(RandomSource& random)
{
    Services services;
    services.random = &random;
    services.messageBox = [](QWidget* owner) { return std::make_unique<ToolkitMessageBox>(owner); };
    services.colourPicker = [](QWidget* owner) {
        return std::make_unique<DialogColourPicker>(owner);
    };
    services.endProgram = [](int status) { QCoreApplication::exit(status); };
    return services;
}

} // namespace numorra::ui
