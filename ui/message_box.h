#pragma once

#include "board/ports.h"

#include <QMessageBox>

class QWidget;

namespace numorra::ui {

QMessageBox::Icon iconFor(MessageStyle style);

// The toolkit's message box: one OK button, modal to the whole program,
// owned by its board window so that it opens over it.
class ToolkitMessageBox final : public MessageBox {
public:
    explicit ToolkitMessageBox(QWidget* owner) : owner_(owner) {}
    void show(const Message& message) override;

private:
    QWidget* owner_;
};

} // namespace numorra::ui
