#include "board/level_table.h"
#include "tests/ui/program.h"
#include "ui/about_window.h"
#include "ui/board_window.h"
#include "ui/colours.h"
#include "ui/face_button.h"
#include "ui/message_box.h"
#include "ui/windows.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace numorra;
using namespace numorra::ui;
using namespace numorra::ui::fixture;

class WindowsTest : public QObject {
    Q_OBJECT

private slots:
    void boardWindowsShowTheirTextsAndMenus();
    void theTabOrderFollowsTheDesign();
    void aGameWithRealMessagesAndARealClock();
    void levelSwitchRebuildsTheWindowAndKeepsTheAboutWindow();
    void aboutIsOneWindowAndItsOkUnloadsIt();
    void exitEndsAtOnce();
    void backgroundColours();
    void theRealColourDialogOffersTheCurrentColourAndCancelKeepsIt();
};

namespace {

// The menu tree, one line an item, with its caption, shortcut and mark.
QStringList menuTree(const QWidget* parent, const QList<QAction*>& actions,
                     const QString& path = {})
{
    QStringList lines;
    for (const QAction* action : actions) {
        const QString name =
            action->menu() != nullptr ? action->menu()->objectName() : action->objectName();
        QString line = path + name + QLatin1Char('|') + action->text() + QLatin1Char('|') +
                       action->shortcut().toString();
        if (action->isCheckable()) {
            line += action->isChecked() ? QStringLiteral("|[x]") : QStringLiteral("|[ ]");
        }
        lines << line;
        if (action->menu() != nullptr) {
            lines << menuTree(parent, action->menu()->actions(), path + name + QLatin1Char('/'));
        }
    }
    return lines;
}

QString textOf(QWidget* control)
{
    if (auto* label = qobject_cast<QLabel*>(control); label != nullptr) {
        return label->text();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(control); edit != nullptr) {
        return edit->text();
    }
    return qobject_cast<QAbstractButton*>(control)->text();
}

} // namespace

void WindowsTest::boardWindowsShowTheirTextsAndMenus()
{
    const std::vector<std::tuple<Level, QString, QString, QString>> levels{
        {Level::Easy, QStringLiteral("Form1"), QStringLiteral("30"), QStringLiteral("easy")},
        {Level::Medium, QStringLiteral("medium1"), QStringLiteral("20"), QStringLiteral("medium")},
        {Level::Hard, QStringLiteral("hard1"), QStringLiteral("10"), QStringLiteral("hard")},
    };
    for (const auto& [level, window, seconds, marked] : levels) {
        Program program;
        program.windows->switchLevel(Level::Easy, level);
        BoardWindow* board = program.board(level);
        QCOMPARE(board->objectName(), window);
        QCOMPARE(board->windowTitle(), QStringLiteral("Numorra v 1.0"));
        const std::vector<std::pair<const char*, QString>> texts{
            {"Label3", QStringLiteral("Time Remaing")},
            {"Text1", seconds},
            {"Command1", QStringLiteral("&Start Game.")},
            {"Command33", QStringLiteral("Stop &Game.")},
            {"Label2", QString()},
            {"Label4", QStringLiteral("Find out this number:")},
            {"Label1", QStringLiteral("0")},
            {"Label5", QStringLiteral("This is your chance number:")},
            {"Text2", QStringLiteral("0")},
        };
        for (const auto& [name, text] : texts) {
            QCOMPARE(textOf(program.control<QWidget>(name, level)), text);
        }
        QVERIFY(program.control<QLabel>("Label2", level)->isHidden());
        QVERIFY(!program.control<QPushButton>("Command33", level)->isEnabled());
        QCOMPARE(board->focusWidget(), program.control<QWidget>("Command1", level));
        program.item("howtoplay", level)->trigger();
        QCOMPARE(
            program.log.shown.back(),
            (Message{"Click on the 'Start Game' button to start the game. A number will appear "
                     "on the top which you have to find out from the boxes below. You will "
                     "get 8 chances and " +
                         seconds.toStdString() +
                         " seconds to find out the number within the boxes.",
                     "Help", MessageStyle{64}}));

        const auto mark = [own = marked](const char* item) {
            return QLatin1String(item) == own ? QStringLiteral("[x]") : QStringLiteral("[ ]");
        };
        QCOMPARE(menuTree(board, board->menuBar()->actions()),
                 QStringList({
                     QStringLiteral("game|&Game|"),
                     QStringLiteral("game/startgame|Start Game|F2"),
                     QStringLiteral("game/stopgame|Stop Game|F4"),
                     QStringLiteral("game/exit|&Exit|"),
                     QStringLiteral("options|&Options|"),
                     QStringLiteral("options/levels|&Levels|"),
                     QStringLiteral("options/levels/easy|Easy||") + mark("easy"),
                     QStringLiteral("options/levels/medium|Medium||") + mark("medium"),
                     QStringLiteral("options/levels/hard|Hard||") + mark("hard"),
                     QStringLiteral("options/backgroundcolors|&Backgound Colors|"),
                     QStringLiteral("options/backgroundcolors/default|Default||[x]"),
                     QStringLiteral("options/backgroundcolors/customcolors|Custom Colors||[ ]"),
                     QStringLiteral("help|&Help|"),
                     QStringLiteral("help/howtoplay|How To Play ?|"),
                     QStringLiteral("help/about|About|"),
                 }));
    }
}

void WindowsTest::theTabOrderFollowsTheDesign()
{
    Program program;
    auto* widget = program.control<QWidget>("Command1");
    QCOMPARE(program.board()->focusWidget(), widget);
    QStringList order;
    for (int step = 0; step < 43; ++step) {
        widget = widget->nextInFocusChain();
        while (widget->objectName().isEmpty() || widget->focusPolicy() == Qt::NoFocus) {
            widget = widget->nextInFocusChain();
        }
        order << widget->objectName();
    }
    QCOMPARE(order.at(0), QStringLiteral("Command2"));
    QCOMPARE(order.at(29), QStringLiteral("Command31"));
    QCOMPARE(order.at(30), QStringLiteral("Command37"));
    QCOMPARE(order.at(38), QStringLiteral("Command45"));
    QCOMPARE(order.at(39), QStringLiteral("Command32"));
    QCOMPARE(order.at(40), QStringLiteral("Command33"));
}

// The toolkit's modal message boxes and a running timer (at a quicker pace):
// the countdown goes on under a miss message and stands still under a win.
void WindowsTest::aGameWithRealMessagesAndARealClock()
{
    testing::ScriptedRandom random;
    QCOMPARE(toolkitServices(random).tickInterval, std::chrono::milliseconds(1000));
    // Style code 16, the time up's and the chance limit's: the critical icon.
    QCOMPARE(iconFor(MessageStyle{16}), QMessageBox::Critical);
    Program program([](Services& services) {
        services.messageBox = [](QWidget* owner) {
            return std::make_unique<ToolkitMessageBox>(owner);
        };
        services.tickInterval = std::chrono::milliseconds(20);
    });
    auto* seconds = program.control<QLineEdit>("Text1");
    const auto answer = [&](const QString& title, QMessageBox::Icon icon, bool clockRuns) {
        answerNextModal([=, &program](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            QCOMPARE(box->parentWidget(), program.board());
            QCOMPARE(box->windowTitle(), title);
            QCOMPARE(box->icon(), icon);
            QCOMPARE(box->buttons().size(), 1);
            // The second click of a double-click on the box that opened
            // the message does not close it.
            auto* ok = box->button(QMessageBox::Ok);
            QTest::mousePress(ok, Qt::LeftButton);
            QTest::mouseRelease(ok, Qt::LeftButton);
            QVERIFY(box->isVisible());
            const int before = seconds->text().toInt();
            QTest::qWait(200);
            const int after = seconds->text().toInt();
            QVERIFY2(clockRuns ? after < before : after == before,
                     qPrintable(QStringLiteral("%1 then %2").arg(before).arg(after)));
            QTest::keyClick(box, Qt::Key_Return);
        });
    };
    program.startWithTarget(176); // Command10
    QCOMPARE(seconds->text(), QStringLiteral("30"));

    auto* miss = program.control<FaceButton>("Command2");
    answer(QStringLiteral("Try Again."), QMessageBox::Information, true);
    QTest::mouseClick(miss, Qt::LeftButton);
    QCOMPARE(miss->faceColour(), QColor(255, 0, 0));
    QCOMPARE(program.control<QLineEdit>("Text2")->text(), QStringLiteral("1"));
    QVERIFY(program.control<QTimer>("Timer1")->isActive());

    answer(QStringLiteral("Congratulations."), QMessageBox::Warning, false);
    QTest::mouseClick(program.control<FaceButton>("Command10"), Qt::LeftButton);
    QCOMPARE(program.control<QLineEdit>("Text2")->text(), QStringLiteral("2"));
    QVERIFY(!program.control<QTimer>("Timer1")->isActive());
    QCOMPARE(program.control<QPushButton>("Command1")->text(), QStringLiteral("&Next Number"));
    QVERIFY(!program.control<FaceButton>("Command10")->isEnabled());

    // Alt+N presses the Start button once it reads "&Next Number", the way
    // a click would, animated.
    Program::activate(program.board());
    program.random.draws = {0.5};
    QTest::keyClick(program.board(), Qt::Key_N, Qt::AltModifier);
    // Not QTRY_VERIFY: under Qt 6.8 its expansion narrows a long to an int,
    // which -Wconversion rejects in this file.
    QVERIFY(QTest::qWaitFor([&program] { return program.control<QTimer>("Timer1")->isActive(); }));
    QCOMPARE(miss->faceColour(), program.board()->palette().color(QPalette::Button));
}

void WindowsTest::levelSwitchRebuildsTheWindowAndKeepsTheAboutWindow()
{
    Program program;
    program.startWithTarget(300);
    program.item("about")->trigger();
    QPointer<BoardWindow> easy = program.board();
    program.item("hard")->trigger();
    Program::settle();
    QVERIFY(easy.isNull());
    QVERIFY(program.windows->aboutWindow() != nullptr);
    QVERIFY(program.board(Level::Hard)->isVisible());
    QCOMPARE(program.control<QLineEdit>("Text1", Level::Hard)->text(), QStringLiteral("10"));
    QCOMPARE(program.ends, 0);

    // Back on Easy: the design again, the board state kept in the instance.
    program.item("easy", Level::Hard)->trigger();
    Program::settle();
    QCOMPARE(program.control<QPushButton>("Command1")->text(), QStringLiteral("&Start Game."));
    QCOMPARE(program.control<QLabel>("Label1")->text(), QStringLiteral("0"));
    QVERIFY(!program.control<QTimer>("Timer1")->isActive());
    QCOMPARE(program.windows->board(Level::Easy)->fields().target, 300);

    // The level of the window in use reloads it.
    program.startWithTarget(301);
    program.item("easy")->trigger();
    Program::settle();
    QCOMPARE(program.control<QLabel>("Label1")->text(), QStringLiteral("0"));
    QVERIFY(program.log.shown.empty());
}

void WindowsTest::aboutIsOneWindowAndItsOkUnloadsIt()
{
    Program program;
    program.item("about")->trigger();
    AboutWindow* about = program.windows->aboutWindow();
    program.item("about")->trigger();
    QCOMPARE(program.windows->aboutWindow(), about);
    QCOMPARE(about->objectName(), QStringLiteral("aboutme"));
    QCOMPARE(about->windowTitle(), QStringLiteral("About Numorra v 1.0"));
    for (const auto& [name, text] : {std::pair{"Label1", "Numorra v 1.0"},
                                     {"Label2", "Made By Ombrevale"},
                                     {"Label4", "https://www.numorra.example/"},
                                     {"Command1", "&OK"}}) {
        QCOMPARE(textOf(about->findChild<QWidget*>(QLatin1String(name))), QLatin1String(text));
    }
    QCOMPARE(about->focusWidget(), about->findChild<QWidget*>(QStringLiteral("Command1")));
    // OK by its access key, and by Enter as on every button of the board.
    for (const auto& [key, modifier] :
         {std::pair{Qt::Key_O, Qt::AltModifier}, std::pair{Qt::Key_Return, Qt::NoModifier}}) {
        program.item("about")->trigger();
        Program::activate(program.windows->aboutWindow());
        QTest::keyClick(QApplication::focusWidget(), key, modifier);
        QVERIFY(QTest::qWaitFor([&program] { return program.windows->aboutWindow() == nullptr; }));
        Program::settle();
    }
    QCOMPARE(program.ends, 0);
}

void WindowsTest::exitEndsAtOnce()
{
    Program program;
    program.startWithTarget(100);
    program.item("about")->trigger();
    program.item("exit")->trigger();
    QCOMPARE(program.ends, 1);
    QVERIFY(program.board() == nullptr);
    QVERIFY(program.windows->aboutWindow() == nullptr);
    Program::settle();
    QCOMPARE(program.ends, 1);
    QVERIFY(program.log.shown.empty());
}

void WindowsTest::backgroundColours()
{
    Program program;
    const Colour blue = rgbColour(0, 128, 255);
    const auto customColours = [&program](std::optional<Colour> answer, Level level) {
        program.picker.choose = answer;
        program.item("customcolors", level)->trigger();
    };
    const auto shown = [&program](Level level) {
        return program.board(level)->centralWidget()->palette().color(QPalette::Window);
    };
    const auto marks = [&program](Level level) {
        return std::make_pair(program.item("default", level)->isChecked(),
                              program.item("customcolors", level)->isChecked());
    };

    customColours(blue, Level::Easy);
    QCOMPARE(shown(Level::Easy), QColor(0, 128, 255));
    QCOMPARE(marks(Level::Easy), std::make_pair(false, true));

    // Default restores the colour and leaves the marks where they are.
    program.item("default")->trigger();
    QCOMPARE(shown(Level::Easy), program.board()->palette().color(QPalette::Button));
    QCOMPARE(marks(Level::Easy), std::make_pair(false, true));

    // The dialog offers what the player sees, so Cancel never changes it.
    customColours(std::nullopt, Level::Easy);
    QCOMPARE(program.picker.offered.back(), kFreshColour);
    QCOMPARE(program.board()->backgroundColour(), kFreshColour);
    customColours(blue, Level::Easy);
    customColours(std::nullopt, Level::Easy);
    QCOMPARE(program.picker.offered.back(), blue);
    QCOMPARE(program.board()->backgroundColour(), blue);

    // Another level's window, and this one loaded afresh, start from the
    // design: the default colour, marked, and offered by the dialog.
    for (const auto& [item, from, level] : {std::tuple{"medium", Level::Easy, Level::Medium},
                                            std::tuple{"easy", Level::Medium, Level::Easy}}) {
        program.item(item, from)->trigger();
        Program::settle();
        QCOMPARE(program.board(level)->backgroundColour(), kFreshColour);
        QCOMPARE(marks(level), std::make_pair(true, false));
        customColours(std::nullopt, level);
        QCOMPARE(program.picker.offered.back(), kFreshColour);
        QCOMPARE(program.board(level)->backgroundColour(), kFreshColour);
    }
}

void WindowsTest::theRealColourDialogOffersTheCurrentColourAndCancelKeepsIt()
{
    QWidget owner;
    DialogColourPicker picker(&owner);
    for (const Colour current : {kFreshColour, rgbColour(10, 200, 30)}) {
        QColor offered;
        answerNextModal([&offered](QWidget* modal) {
            auto* dialog = qobject_cast<QColorDialog*>(modal);
            QVERIFY(dialog != nullptr);
            offered = dialog->currentColor();
            dialog->setCurrentColor(Qt::magenta);
            dialog->reject();
        });
        picker.open(current);
        QCOMPARE(offered, toQColor(current, owner.palette()));
        QCOMPARE(picker.colour(), current);
    }
    answerNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<QColorDialog*>(modal);
        QVERIFY(dialog != nullptr);
        dialog->setCurrentColor(QColor(1, 2, 3));
        dialog->accept();
    });
    picker.open(kFreshColour);
    QCOMPARE(picker.colour(), rgbColour(1, 2, 3));
}

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
