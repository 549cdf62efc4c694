// The windows together: level switches and a close mid-game at the real
// pace of the countdown, thousands of random events (NUMORRA_PLAY_SEED=<seed>
// replays a failure), and a thousand loads of each window that leave
// nothing behind.
#include "tests/ui/program.h"

#include <QElapsedTimer>

#include <malloc.h>
#include <random>

using namespace numorra;
using namespace numorra::ui;
using namespace numorra::ui::fixture;

class WindowsTest : public QObject {
    Q_OBJECT

private slots:
    void midGameSwitchesAndClosesWithTheRealClock();
    void randomEventsNeverBreakTheProgram();
    void aThousandLoadsLeaveNothingBehind();
};

// The real tick and grace: a level switch, a reload and a close come 3/4 s
// after the second tick, so the next falls due while the old window
// lingers; none may reach its board. About stays through it all.
void WindowsTest::midGameSwitchesAndClosesWithTheRealClock()
{
    Program program([](Services& services) {
        const Services real = toolkitServices(*services.random);
        services.tickInterval = real.tickInterval;
        services.unloadGrace = real.unloadGrace;
    });
    program.item("about")->trigger();
    for (const auto& [level, item] : {std::pair{Level::Easy, "hard"},
                                      {Level::Hard, "hard"},
                                      {Level::Hard, static_cast<const char*>(nullptr)}}) {
        program.startWithTarget(300, level);
        // Two seconds of the countdown are two on the clock: a timer may
        // fire up to 5% early, and late on a loaded machine.
        QElapsedTimer clock;
        clock.start();
        auto* seconds = program.control<QLineEdit>("Text1", level);
        const QString twoGone = QString::number(testing::factsOf(level).seconds - 2);
        QVERIFY(QTest::qWaitFor([&] { return seconds->text() == twoGone; }, 5000));
        QVERIFY2(clock.elapsed() >= 1900 && clock.elapsed() <= 3500,
                 qPrintable(QString("two seconds took %1 ms").arg(clock.elapsed())));
        QTest::qWait(750);
        const QPointer<BoardWindow> old = program.board(level);
        item != nullptr ? program.item(item, level)->trigger() : static_cast<void>(old->close());
        QTest::qWait(1000);
        QVERIFY(old.isNull());
        QVERIFY(item == nullptr || program.control<QLabel>("Label1", Level::Hard)->text() == "0");
    }
    QVERIFY(program.board(Level::Hard) == nullptr);
    QVERIFY(program.windows->aboutWindow()->isVisible());
    QVERIFY(program.shown.empty() && program.endings.empty());
}

// At most one board and one About window on screen; the program ends by
// Exit, or when nothing is left on screen.
void WindowsTest::randomEventsNeverBreakTheProgram()
{
    const QStringList commands{"startgame", "stopgame",     "easy",      "medium", "hard",
                               "default",   "customcolors", "howtoplay", "about",  "exit"};
    const QStringList keys{"F2",   "F4",    "Tab",    "Shift+Tab", "Left",  "Right", "Up",
                           "Down", "Space", "Return", "Alt+S",     "Alt+N", "Alt+O"};
    const std::uint64_t seed = qEnvironmentVariableIsSet("NUMORRA_PLAY_SEED")
                                   ? qEnvironmentVariable("NUMORRA_PLAY_SEED").toULongLong()
                                   : std::random_device{}();
    qInfo("random windows: NUMORRA_PLAY_SEED=%llu", static_cast<unsigned long long>(seed));
    std::mt19937_64 engine(seed);
    const auto pick = [&engine](qsizetype count) {
        return std::uniform_int_distribution<qsizetype>(0, count - 1)(engine);
    };
    const auto shown = [](const char* className) {
        return std::ranges::count_if(QApplication::topLevelWidgets(), [className](QWidget* top) {
            return top->inherits(className) && top->isVisible();
        });
    };
    QTimer cancel; // the player cancels the colour dialog
    QObject::connect(&cancel, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget())) {
            dialog->reject();
        }
    });
    cancel.start(10);
    auto program = std::make_unique<Program>();
    for (int event = 0; event < 4000 && !QTest::currentTestFailed(); ++event) {
        BoardWindow* board = nullptr;
        for (const Level level : kLevels) {
            board = board != nullptr ? board : program->board(level);
        }
        AboutWindow* about = program->windows->aboutWindow();
        if (board != nullptr && !board->isActiveWindow()) {
            Program::activate(board);
        }
        program->random.draws = {std::uniform_real_distribution(0.0, 1.0)(engine)};
        const std::size_t ends = program->endings.size();
        const qsizetype action = board == nullptr ? 0 : pick(6);
        // Exit, the last, comes up rarely: it ends the sequence.
        const QString& command = commands.at(pick(commands.size() - (pick(50) == 0 ? 0 : 1)));
        if (action == 0 && about != nullptr) {
            pick(2) == 0 ? about->findChild<QPushButton*>("Command1")->click()
                         : static_cast<void>(about->close());
        } else if (action == 1) {
            const auto buttons = board->findChildren<QPushButton*>();
            QTest::mouseClick(buttons.at(pick(buttons.size())), Qt::LeftButton);
        } else if (action == 2) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keySequence(focus != nullptr ? focus : board,
                               QKeySequence(keys.at(pick(keys.size()))));
        } else if (action == 3) {
            board->findChild<QAction*>(command)->trigger();
        } else if (action == 4 && board->findChild<QTimer*>("Timer1")->isActive()) {
            board->Timer1_Timer();
        } else if (action == 5 && pick(20) == 0) {
            board->close();
        }
        Program::settle();
        const QString where = QString("seed %1, event %2").arg(seed).arg(event);
        const bool aboutLeft = program->windows->aboutWindow() != nullptr;
        QVERIFY2(shown("numorra::ui::BoardWindow") <= 1, qPrintable(where));
        QCOMPARE(shown("numorra::ui::AboutWindow"), aboutLeft ? 1 : 0);
        const bool shouldEnd = (action == 3 && command == "exit") ||
                               (shown("numorra::ui::BoardWindow") == 0 && !aboutLeft);
        QVERIFY2(program->endings.size() - ends == (shouldEnd ? 1U : 0U), qPrintable(where));
        if (shouldEnd) {
            program = std::make_unique<Program>();
        }
    }
}

void WindowsTest::aThousandLoadsLeaveNothingBehind()
{
    Program program;
    const auto cycle = [&program](int times) {
        for (int time = 0; time < times; ++time) {
            program.startWithTarget(100);
            QTest::mouseClick(program.control<QPushButton>("Command2"), Qt::LeftButton);
            program.shown.clear();
            program.windows->switchLevel(Level::Easy, Level::Easy);
            program.item("about")->trigger();
            program.windows->aboutWindow()->grab();
            program.board()->grab();
            program.windows->aboutWindow()->findChild<QPushButton*>("Command1")->click();
            Program::settle();
        }
    };
    // What the heap handed out and did not get back: unlike the resident
    // size, it falls again when memory is freed.
    const auto heapInUseKiB = [] { return static_cast<long>(mallinfo2().uordblks / 1024); };
    cycle(50); // filling the toolkit's caches (fonts, styles, pixmaps)
    const qsizetype widgets = QApplication::allWidgets().size();
    const long before = heapInUseKiB();
    cycle(1000);
    QCOMPARE(QApplication::allWidgets().size(), widgets);
    const long growth = heapInUseKiB() - before;
    qInfo("1000 loads and unloads of each window: the heap grew by %ld KiB", growth);
#if !defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer holds freed memory back; there its leak check does this job.
    QVERIFY2(growth < 256, qPrintable(QString("grew by %1 KiB").arg(growth)));
#endif
}

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
