#pragma once

#include "ui/services.h"

#include <QWidget>

#include <memory>

namespace numorra::ui {

class HandlerGuard;

// The About window, aboutme: the product, its version and its author. It
// has no owner window and takes no part in the game.
class AboutWindow final : public QWidget {
    Q_OBJECT

public:
    explicit AboutWindow(const Services& services);
    ~AboutWindow() override;
    AboutWindow(const AboutWindow&) = delete;
    AboutWindow& operator=(const AboutWindow&) = delete;
    AboutWindow(AboutWindow&&) = delete;
    AboutWindow& operator=(AboutWindow&&) = delete;

signals:
    // OK or the close box: the window is to be unloaded.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<MessageBox> messages_;
    std::unique_ptr<HandlerGuard> guard_;
};

} // namespace numorra::ui
