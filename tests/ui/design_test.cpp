// What the design gives each window, written out: its client area; every
// control's place and size in twips (15 to a pixel), its font and its text;
// the box grid; the menu tree with its access keys, shortcuts and marks; and
// the How To Play text. The windows' names and titles, what each control
// shows and the order the Tab key follows are the state record's
// (state_test).
#include "tests/ui/program.h"

#include <QMenu>
#include <QMenuBar>

#include <vector>

using namespace numorra;
using namespace numorra::ui;
using namespace numorra::ui::fixture;

class DesignTest : public QObject {
    Q_OBJECT

private slots:
    void boardWindowsFollowTheDesign();
    void theAboutWindowFollowsTheDesign();
};

namespace {

// A control as the design builds it: its place and size in twips (a label
// with a caption sizes itself to it, so only its place is held), its bold
// font in points (0: the window's own font) and its text.
struct Designed {
    const char* name;
    int left, top, width, height;
    double points;
    QString text;
};

QRect inPixels(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

void verifyControls(QWidget* window, const std::vector<Designed>& design)
{
    for (const Designed& row : design) {
        auto* control = window->findChild<QWidget*>(QLatin1String(row.name));
        QVERIFY2(control != nullptr, row.name);
        const QRect place = inPixels(row.left, row.top, row.width, row.height);
        auto* label = qobject_cast<QLabel*>(control);
        if (label != nullptr && label->pixmap().isNull()) {
            QCOMPARE(control->pos(), place.topLeft());
        } else {
            QCOMPARE(control->geometry(), place);
        }
        const QFont font = control->font();
        if (row.points > 0) {
            QCOMPARE(font.pointSizeF(), row.points);
            QCOMPARE(font.weight(), QFont::Bold);
        } else {
            QCOMPARE(font, window->font());
        }
        QCOMPARE(control->property("text").toString(), row.text);
    }
}

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

} // namespace

void DesignTest::boardWindowsFollowTheDesign()
{
    for (const testing::LevelFacts& level : testing::kLevelFacts) {
        Program program;
        program.windows->switchLevel(Level::Easy, level.level);
        BoardWindow* board = program.board(level.level);
        QCOMPARE(board->centralWidget()->size(), inPixels(0, 0, 5835, 4800).size());
        const QString seconds = QString::number(level.seconds);
        verifyControls(board,
                       {
                           {"Label3", 120, 120, 1215, 195, 8.25, "Time Remaing"},
                           {"Text1", 480, 480, 495, 285, 8.25, seconds},
                           {"Command1", 2280, 120, 3495, 375, 0, "&Start Game."},
                           {"Command33", 2280, 480, 3495, 375, 0, "Stop &Game."},
                           {"Label2", 2520, 120, 45, 195, 0, ""},
                           {"Label4", 120, 960, 1800, 195, 8.25, "Find out this number:"},
                           {"Label1", 1920, 960, 135, 240, 9.75, "0"},
                           {"Label5", 2640, 960, 2415, 195, 8.25, "This is your chance number:"},
                           {"Text2", 5040, 960, 495, 285, 8.25, "0"},
                       });
        const QPalette target = program.control<QLabel>("Label1", level.level)->palette();
        QCOMPARE(target.color(QPalette::WindowText), QColor(192, 0, 0));
        for (const testing::BoxFacts& box : testing::kBoxFacts) {
            verifyControls(board, {{box.name.data(), 120 + 720 * (box.column - 1),
                                    1320 + 720 * (box.row - 1), 615, 495, 0, ""}});
        }
        program.item("howtoplay", level.level)->trigger();
        QCOMPARE(
            program.shown.back(),
            (Message{"Click on the 'Start Game' button to start the game. A number will appear "
                     "on the top which you have to find out from the boxes below. You will "
                     "get 8 chances and " +
                         seconds.toStdString() +
                         " seconds to find out the number within the boxes.",
                     "Help", MessageStyle{64}}));
        QStringList tree{
            QStringLiteral("game|&Game|"),
            QStringLiteral("game/startgame|Start Game|F2"),
            QStringLiteral("game/stopgame|Stop Game|F4"),
            QStringLiteral("game/exit|&Exit|"),
            QStringLiteral("options|&Options|"),
            QStringLiteral("options/levels|&Levels|"),
            QStringLiteral("options/levels/easy|Easy||[ ]"),
            QStringLiteral("options/levels/medium|Medium||[ ]"),
            QStringLiteral("options/levels/hard|Hard||[ ]"),
            QStringLiteral("options/backgroundcolors|&Backgound Colors|"),
            QStringLiteral("options/backgroundcolors/default|Default||[x]"),
            QStringLiteral("options/backgroundcolors/customcolors|Custom Colors||[ ]"),
            QStringLiteral("help|&Help|"),
            QStringLiteral("help/howtoplay|How To Play ?|"),
            QStringLiteral("help/about|About|"),
        };
        // The window's own level item carries the mark.
        tree[6 + static_cast<int>(&level - testing::kLevelFacts.data())].replace(
            QStringLiteral("[ ]"), QStringLiteral("[x]"));
        QCOMPARE(menuTree(board->menuBar()->actions()), tree);
    }
}

void DesignTest::theAboutWindowFollowsTheDesign()
{
    Program program;
    program.item("about")->trigger();
    AboutWindow* about = program.windows->aboutWindow();
    QCOMPARE(about->size(), inPixels(0, 0, 4680, 3165).size());
    QCOMPARE(about->palette().color(QPalette::Window), QColor(224, 224, 224));
    verifyControls(about, {
                              {"Image1", 360, 240, 480, 480, 0, ""},
                              {"Label1", 1080, 240, 2985, 360, 13.5, "Numorra v 1.0"},
                              {"Label2", 960, 840, 3015, 300, 12, "Made By Ombrevale"},
                              {"Label4", 0, 1920, 4560, 240, 9.75, "https://www.numorra.example/"},
                              {"Command1", 3240, 2520, 1215, 495, 0, "&OK"},
                          });
}

QTEST_MAIN(DesignTest)
#include "design_test.moc"
