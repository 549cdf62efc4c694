#pragma once

#include <QObject>

class QPushButton;

namespace numorra::ui {

// Enter presses the focused push button, as Space does. Neither the board
// nor the About window has a default button to take the key, and a
// keyboard player expects it of every button.
class ReturnPresses final : public QObject {
    Q_OBJECT

public:
    explicit ReturnPresses(QObject* parent) : QObject(parent) {}

    void watch(QPushButton& button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace numorra::ui
