#pragma once

// The windows with their outside replaced, for the window tests.

#include "board/level_table.h"
#include "tests/board/level_facts.h"
#include "ui/about_window.h"
#include "ui/board_window.h"
#include "ui/windows.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

namespace numorra::ui::fixture {

// A critical message (the program's report of its own fault) fails the
// test that set it off, there and then, unless the test expects it.
inline int expectedCriticals = 0;
inline QtMessageHandler testlibHandler = nullptr;

inline void failOnCritical(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    testlibHandler(type, context, text);
    if (type == QtCriticalMsg && expectedCriticals-- <= 0) {
        expectedCriticals = 0;
        QTest::qFail(qPrintable(QStringLiteral("critical message: ") + text),
                     context.file != nullptr ? context.file : __FILE__, context.line);
    }
}

// Every message the windows show, in order.
class LoggedMessageBox final : public MessageBox {
public:
    explicit LoggedMessageBox(std::vector<Message>& log) : log_(log) {}
    void show(const Message& message) override { log_.push_back(message); }

private:
    std::vector<Message>& log_;
};

// Scripted draws, logged messages, a countdown the test ticks and a
// recorded end of the program; `adjust` puts back what a test wants real.
struct Program {
    explicit Program(const std::function<void(Services&)>& adjust = {})
    {
        if (testlibHandler == nullptr) {
            testlibHandler = qInstallMessageHandler(failOnCritical);
        }
        Services services = toolkitServices(random);
        services.messageBox = [this](QWidget*) {
            return std::make_unique<LoggedMessageBox>(shown);
        };
        services.endProgram = [this](int status) { endings.push_back(status); };
        services.tickInterval = std::chrono::hours(24);
        services.unloadGrace = std::chrono::milliseconds(0);
        if (adjust) {
            adjust(services);
        }
        windows = std::make_unique<Windows>(services);
        windows->start();
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
        random.draws = {testing::drawFor(level, target)};
        QTest::mouseClick(control<QPushButton>("Command1", level), Qt::LeftButton);
    }

    static void activate(QWidget* window)
    {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    // Lets the event being handled finish, as the event loop would.
    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    testing::ScriptedRandom random;
    std::vector<Message> shown;
    std::vector<int> endings; // the status of each end of the program
    std::unique_ptr<Windows> windows;
};

} // namespace numorra::ui::fixture
