#pragma once

#include <QWidget>

namespace numorra::ui {

class Windows;

// The About window, aboutme: the product, its version and its author. It
// has no owner window and takes no part in the game.
class AboutWindow final : public QWidget {
    Q_OBJECT

public:
    explicit AboutWindow(Windows& windows);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Windows& windows_;
};

} // namespace numorra::ui
