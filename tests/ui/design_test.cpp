// What the design gives each window: its name, title and texts, the menu
// tree with its access keys, shortcuts and marks, the How To Play text, and
// the order the Tab key follows.
#include "board/level_table.h"
#include "tests/ui/program.h"
#include "ui/about_window.h"
#include "ui/board_window.h"
#include "ui/windows.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace numorra;
using namespace numorra::ui;
using namespace numorra::ui::fixture;

class DesignTest : public QObject {
    Q_OBJECT

private slots:
    void boardWindowsShowTheirTextsAndMenus();
    void theAboutWindowShowsItsTexts();
    void theTabOrderFollowsTheDesign();
};

namespace {

// The menu tree, one line an item, with its caption, shortcut and mark.
QStringList menuTree(const QList<QAction*>& actions, const QString& path = {})
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
            lines << menuTree(action->menu()->actions(), path + name + QLatin1Char('/'));
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

void DesignTest::boardWindowsShowTheirTextsAndMenus()
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
        QCOMPARE(menuTree(board->menuBar()->actions()),
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

void DesignTest::theAboutWindowShowsItsTexts()
{
    Program program;
    program.item("about")->trigger();
    AboutWindow* about = program.windows->aboutWindow();
    QCOMPARE(about->objectName(), QStringLiteral("aboutme"));
    QCOMPARE(about->windowTitle(), QStringLiteral("About Numorra v 1.0"));
    for (const auto& [name, text] : {std::pair{"Label1", "Numorra v 1.0"},
                                     {"Label2", "Made By Ombrevale"},
                                     {"Label4", "https://www.numorra.example/"},
                                     {"Command1", "&OK"}}) {
        QCOMPARE(textOf(about->findChild<QWidget*>(QLatin1String(name))), QLatin1String(text));
    }
    QCOMPARE(about->focusWidget(), about->findChild<QWidget*>(QStringLiteral("Command1")));
}

void DesignTest::theTabOrderFollowsTheDesign()
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

QTEST_MAIN(DesignTest)
#include "design_test.moc"
