// The real windows under thousands of random events, and a thousand loads
// and unloads of a board window and of the About window, each drawn. A
// failure names its seed; NUMORRA_PLAY_SEED=<seed> replays that sequence.
#include "tests/ui/program.h"

#include <malloc.h>
#include <random>

using namespace numorra;
using namespace numorra::ui;
using namespace numorra::ui::fixture;

class RandomWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void randomEventsNeverBreakTheProgram();
    void aThousandLoadsAndUnloadsLeaveNothingBehind();
};

void RandomWindowsTest::randomEventsNeverBreakTheProgram()
{
    // Exit, the last, ends the sequence, so it comes up rarely.
    const QStringList menuCommands{"startgame", "stopgame",     "easy",      "medium", "hard",
                                   "default",   "customcolors", "howtoplay", "about",  "exit"};
    const QStringList keys{"F2",   "F4",    "Tab",    "Shift+Tab", "Left",  "Right", "Up",
                           "Down", "Space", "Return", "Alt+S",     "Alt+N", "Alt+O"};
    const std::uint64_t seed = qEnvironmentVariableIsSet("NUMORRA_PLAY_SEED")
                                   ? qEnvironmentVariable("NUMORRA_PLAY_SEED").toULongLong()
                                   : std::random_device{}();
    // Printed first, so that a failure of any kind can be replayed.
    qInfo("random windows: NUMORRA_PLAY_SEED=%llu", static_cast<unsigned long long>(seed));
    std::mt19937_64 engine(seed);
    const auto pick = [&engine](qsizetype count) {
        return std::uniform_int_distribution<qsizetype>(0, count - 1)(engine);
    };
    // The board windows on screen.
    const auto shownBoards = [](const Program& program) {
        QList<BoardWindow*> shown;
        for (const Level level : kLevels) {
            BoardWindow* window = program.windows->boardWindow(level);
            if (window != nullptr && window->isVisible()) {
                shown.append(window);
            }
        }
        return shown;
    };
    // Custom Colors opens the real colour dialog: the player cancels it.
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget())) {
            dialog->reject();
        }
    });
    cancel.start(10);
    auto program = std::make_unique<Program>();
    for (int event = 0; event < 4000; ++event) {
        const QList<BoardWindow*> boards = shownBoards(*program);
        BoardWindow* board = boards.value(0);
        AboutWindow* about = program->windows->aboutWindow();
        const QString where = QStringLiteral("seed %1, event %2").arg(seed).arg(event);
        QVERIFY2(board != nullptr || about != nullptr, qPrintable(where));
        if (board != nullptr && !board->isActiveWindow()) {
            Program::activate(board);
        }
        program->random.draws = {std::uniform_real_distribution(0.0, 1.0)(engine)};
        const std::size_t ends = program->endings.size();
        bool exited = false;
        switch (board == nullptr ? 0 : pick(6)) {
        case 0:
            if (about != nullptr && pick(2) == 0) {
                about->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
            } else if (about != nullptr) {
                about->close();
            }
            break;
        case 1: {
            const auto buttons = board->findChildren<QPushButton*>();
            QTest::mouseClick(buttons.at(pick(buttons.size())), Qt::LeftButton);
            break;
        }
        case 2:
            QTest::keySequence(QApplication::focusWidget() != nullptr ? QApplication::focusWidget()
                                                                      : board,
                               QKeySequence(keys.at(pick(keys.size()))));
            break;
        case 3: {
            const QString& name =
                menuCommands.at(pick(menuCommands.size() - (pick(50) == 0 ? 0 : 1)));
            exited = name == QLatin1String("exit");
            board->findChild<QAction*>(name)->trigger();
            break;
        }
        case 4:
            if (board->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive()) {
                board->Timer1_Timer();
            }
            break;
        default:
            if (pick(20) == 0) {
                board->close();
            }
            break;
        }
        Program::settle();

        const qsizetype boardsLeft = shownBoards(*program).size();
        const bool aboutLeft = program->windows->aboutWindow() != nullptr;
        QVERIFY2(boardsLeft <= 1, qPrintable(where));
        const auto shownAbouts = [](QWidget* top) {
            return qobject_cast<AboutWindow*>(top) != nullptr && top->isVisible();
        };
        QCOMPARE(std::ranges::count_if(QApplication::topLevelWidgets(), shownAbouts),
                 aboutLeft ? 1 : 0);
        // The program ends by Exit, or when nothing is left on screen.
        const bool shouldEnd = exited || (boardsLeft == 0 && !aboutLeft);
        QCOMPARE(program->endings.size() - ends, shouldEnd ? 1U : 0U);
        if (shouldEnd) {
            program = std::make_unique<Program>();
        }
    }
}

void RandomWindowsTest::aThousandLoadsAndUnloadsLeaveNothingBehind()
{
    Program program;
    const auto cycle = [&program](int times) {
        for (int time = 0; time < times; ++time) {
            program.startWithTarget(100);
            QTest::mouseClick(program.control<QPushButton>("Command2"), Qt::LeftButton);
            program.shown.clear();
            program.windows->switchLevel(Level::Easy, Level::Easy);
            // The About window opened, drawn and closed by OK.
            program.item("about")->trigger();
            program.windows->aboutWindow()->grab();
            program.board()->grab();
            program.windows->aboutWindow()->findChild<QPushButton*>("Command1")->click();
            Program::settle();
        }
    };
    // Bytes the heap has handed out and not had back: unlike the resident
    // size, it falls again when memory is freed.
    const auto heapInUseKiB = [] { return static_cast<long>(mallinfo2().uordblks / 1024); };
    // The first rounds fill the toolkit's caches (fonts, styles, pixmaps).
    cycle(50);
    const qsizetype widgets = QApplication::allWidgets().size();
    const long before = heapInUseKiB();
    cycle(1000);
    QCOMPARE(QApplication::allWidgets().size(), widgets);
    const long growth = heapInUseKiB() - before;
    qInfo("1000 loads and unloads of each window: the heap grew by %ld KiB", growth);
#if !defined(__SANITIZE_ADDRESS__)
    // Under AddressSanitizer freed memory is held back on purpose; there the
    // leak checker at exit does this job.
    QVERIFY2(growth < 256, qPrintable(QStringLiteral("grew by %1 KiB").arg(growth)));
#endif
}

QTEST_MAIN(RandomWindowsTest)
#include "random_windows_test.moc"
