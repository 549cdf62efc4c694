#pragma once

// The windows with their outside replaced, shared by the window tests.

#include "board/level_table.h"
#include "ui/board_window.h"
#include "ui/colour_picker.h"
#include "ui/windows.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <vector>

namespace numorra::ui::fixture {

class FixedRandom final : public RandomSource {
public:
    void reseed() override {}
    double draw() override { return r; }
    double r = 0.0;
};

// Every message the windows show, in order; tests never see a real box.
struct MessageLog {
    std::vector<Message> shown;
};

class LoggedMessageBox final : public MessageBox {
public:
    explicit LoggedMessageBox(MessageLog& log) : log_(log) {}
    void show(const Message& message) override { log_.shown.push_back(message); }

private:
    MessageLog& log_;
};

class FakePicker final : public ColourPicker {
public:
    FakePicker(Colour offered, Colour* chosen) : colour_(offered), chosen_(chosen) {}
    void open() override
    {
        if (*chosen_ != 0) {
            colour_ = *chosen_;
        }
    }
    Colour colour() const override { return colour_; }

private:
    Colour colour_;
    Colour* chosen_;
};

// The windows with their outside replaced: scripted draws, logged
// messages, a scripted colour picker and a recorded end of the program.
struct Program {
    Program()
    {
        Services services;
        services.random = &random;
        services.messageBox = [this](QWidget*) { return std::make_unique<LoggedMessageBox>(log); };
        services.colourPicker = [this](QWidget*, Colour offered) {
            return std::make_unique<FakePicker>(offered, &pickedColour);
        };
        services.endProgram = [this] { ++ends; };
        windows = std::make_unique<Windows>(services);
        windows->load(Level::Easy);
        windows->show(Level::Easy);
    }

    BoardWindow* board(Level level = Level::Easy) const { return windows->boardWindow(level); }

    template <typename Widget> Widget* control(const char* name, Level level = Level::Easy) const
    {
        return board(level)->findChild<Widget*>(QString::fromLatin1(name));
    }

    QAction* item(const char* name, Level level = Level::Easy) const
    {
        return control<QAction>(name, level);
    }

    void startWithTarget(int target, Level level = Level::Easy)
    {
        random.r = (target - levelData(level).targetOffset + 0.5) / kTargetSpan;
        QTest::mouseClick(control<QPushButton>("Command1", level), Qt::LeftButton);
    }

    // Shortcuts reach only the active window.
    static void activate(QWidget* window)
    {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    // Lets the event that is being handled finish, as the event loop would.
    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    FixedRandom random;
    MessageLog log;
    Colour pickedColour = 0;
    int ends = 0;
    std::unique_ptr<Windows> windows;
};

} // namespace numorra::ui::fixture
