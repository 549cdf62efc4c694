// What a screen reader and a keyboard player get from a board window.
#include "tests/ui/program.h"

#include <QAccessible>

#include <utility>
#include <vector>

using namespace numorra;
using namespace numorra::ui;
using namespace numorra::ui::fixture;

namespace {

QAccessibleInterface* accessible(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    if (face == nullptr) {
        qFatal("%s has no accessible interface", qPrintable(object->objectName()));
    }
    return face;
}

void press(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
}

} // namespace

class AccessTest : public QObject {
    Q_OBJECT

private slots:
    void countersAndBoxesAreReadForWhatTheyMean();
    void aWholeGameByKeyboardLeavesTheFocusWhereItCanAct();
    void arrowsMoveAcrossTheGridAndStopAtItsEdges();
};

// Each counter is named by the heading that labels it, then read for its
// value; a box by its place, with its state and the target to find, and
// never by the number it hides.
void AccessTest::countersAndBoxesAreReadForWhatTheyMean()
{
    Program program;
    Program::activate(program.board());
    auto* seconds = program.control<QLineEdit>("Text1");
    auto* chances = program.control<QLineEdit>("Text2");
    auto* target = program.control<QLabel>("Label1");
    for (const auto& [counter, heading] :
         {std::pair<QWidget*, const char*>{seconds, "Time Remaing"},
          {chances, "This is your chance number:"},
          {target, "Find out this number:"}}) {
        const auto labels = accessible(counter)->relations(QAccessible::Label);
        QVERIFY(!labels.isEmpty());
        QCOMPARE(labels.first().first->text(QAccessible::Name), QLatin1String(heading));
    }
    auto* first = program.control<QPushButton>("Command2");
    const auto description = [first] { return accessible(first)->text(QAccessible::Description); };

    program.startWithTarget(421);
    QCOMPARE(description(), QStringLiteral("Not opened. Find out this number: 421"));
    QTest::mouseClick(first, Qt::LeftButton);
    program.board()->Timer1_Timer();
    QCOMPARE(accessible(seconds)->text(QAccessible::Value), QStringLiteral("29"));
    QCOMPARE(accessible(chances)->text(QAccessible::Value), QStringLiteral("1"));
    QCOMPARE(accessible(target)->text(QAccessible::Name), QStringLiteral("421"));
    QCOMPARE(description(), QStringLiteral("Opened in this game. Find out this number: 421"));
    QTest::keyClick(program.board(), Qt::Key_F4);
    QCOMPARE(description(), QStringLiteral("Opened in this game"));
    program.startWithTarget(56);
    QCOMPARE(description(), QStringLiteral("Not opened. Find out this number: 56"));

    program.startWithTarget(554); // held by no box
    for (const testing::BoxFacts& box : testing::kBoxFacts) {
        auto* button = program.control<QPushButton>(box.name.data());
        QTest::mouseClick(button, Qt::LeftButton);
        QAccessibleInterface* face = accessible(button);
        QCOMPARE(face->text(QAccessible::Name),
                 QStringLiteral("Box, row %1, column %2").arg(box.row).arg(box.column));
        QCOMPARE(face->role(), QAccessible::Button);
        const QString hidden = QString::number(box.numbers[0]);
        for (const QString& said :
             {face->text(QAccessible::Name), face->text(QAccessible::Description),
              face->text(QAccessible::Help), button->toolTip(), button->text()}) {
            QVERIFY2(!said.contains(hidden), qPrintable(said));
        }
    }
}

// A whole game by keyboard: each start puts the player on the first box,
// and each end of a game (a win, Stop, time up, the chance limit) on Start,
// never on a box that no longer opens. What a screen reader says on the way
// is the screenreader test's to hear, under Orca itself.
void AccessTest::aWholeGameByKeyboardLeavesTheFocusWhereItCanAct()
{
    Program program;
    Program::activate(program.board());
    auto* start = program.control<QPushButton>("Command1");
    auto* firstBox = program.control<QPushButton>("Command2"); // the first in tab order
    const auto startWith = [&](int target, Qt::Key key) {
        program.random.draws = {testing::drawFor(Level::Easy, target)};
        press(key);
        QCOMPARE(QApplication::focusWidget(), firstBox);
    };
    const auto endsOnStart = [&](const char* message) {
        QCOMPARE(program.shown.back().text, std::string(message));
        QCOMPARE(QApplication::focusWidget(), start);
    };

    // Target 176 hides in Command10, row 3, column 4, below Command2.
    startWith(176, Qt::Key_F2);
    press(Qt::Key_Space);
    QCOMPARE(program.control<QLineEdit>("Text2")->text(), QStringLiteral("1"));
    QCOMPARE(QApplication::focusWidget(), firstBox);
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    endsOnStart(testing::factsOf(Level::Easy).win);
    QCOMPARE(accessible(start)->text(QAccessible::Name), QStringLiteral("Next Number"));
    QCOMPARE(accessible(start)->text(QAccessible::Description),
             QStringLiteral("Starts a game (F2)"));
    QCOMPARE(accessible(program.control<QPushButton>("Command33"))->text(QAccessible::Description),
             QStringLiteral("Stops the game (F4)"));

    startWith(300, Qt::Key_Space);
    press(Qt::Key_F4);
    QCOMPARE(QApplication::focusWidget(), start);
    startWith(300, Qt::Key_F2);
    while (program.control<QTimer>("Timer1")->isActive()) {
        program.board()->Timer1_Timer();
    }
    endsOnStart("Your Time is Up.");
    startWith(554, Qt::Key_F2);
    for (int opening = 0; opening < 8; ++opening) {
        press(Qt::Key_Space);
        press(Qt::Key_Right);
    }
    endsOnStart("You Have No More Chance.");
}

// Along the top row, down the last column and one step back: the arrows
// stop at the grid's edges and open nothing.
void AccessTest::arrowsMoveAcrossTheGridAndStopAtItsEdges()
{
    Program program;
    Program::activate(program.board());
    program.startWithTarget(55);
    program.control<QPushButton>("Command39")->setFocus();
    const std::vector<std::pair<Qt::Key, const char*>> moves{
        {Qt::Key_Up, "Command39"},    {Qt::Key_Left, "Command39"},  {Qt::Key_Right, "Command38"},
        {Qt::Key_Right, "Command37"}, {Qt::Key_Right, "Command32"}, {Qt::Key_Right, "Command40"},
        {Qt::Key_Right, "Command41"}, {Qt::Key_Right, "Command42"}, {Qt::Key_Right, "Command43"},
        {Qt::Key_Right, "Command43"}, {Qt::Key_Down, "Command6"},   {Qt::Key_Down, "Command14"},
        {Qt::Key_Down, "Command22"},  {Qt::Key_Down, "Command30"},  {Qt::Key_Down, "Command30"},
        {Qt::Key_Left, "Command29"},
    };
    for (const auto& [key, reached] : moves) {
        press(key);
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(reached));
    }
    QVERIFY(program.shown.empty());
    QCOMPARE(program.control<QLineEdit>("Text2")->text(), QStringLiteral("0"));
}

QTEST_MAIN(AccessTest)
#include "access_test.moc"
