#pragma once

#include <QWidget>

namespace numorra::ui {

// The About window, aboutme: the product, its version and its author. It
// has no owner window and takes no part in the game.
class AboutWindow final : public QWidget {
    Q_OBJECT

public:
    AboutWindow();

signals:
    // OK or the close box: the window is to be unloaded.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace numorra::ui
