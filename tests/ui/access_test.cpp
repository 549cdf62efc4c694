// What a screen reader and a keyboard player get from a board window.
#include "board/level_table.h"
#include "tests/board/level_facts.h"
#include "tests/ui/program.h"
#include "ui/face_button.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

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

QString nameOf(QObject* object)
{
    return accessible(object)->text(QAccessible::Name);
}

QPushButton* box(const Program& program, int index)
{
    return program.control<QPushButton>(kBoxPlaces.at(static_cast<std::size_t>(index)).name.data());
}

} // namespace

class AccessTest : public QObject {
    Q_OBJECT

private slots:
    void countersAreReadWithTheirHeadings();
    void boxesAreNamedByPlaceAndNeverByNumber();
    void boxesCarryTheirStates();
    void aWholeGameByKeyboardLeavesTheFocusWhereItCanAct();
    void arrowsMoveAcrossTheGridAndStopAtItsEdges();
};

void AccessTest::countersAreReadWithTheirHeadings()
{
    Program program;
    auto* seconds = program.control<QLineEdit>("Text1");
    auto* chances = program.control<QLineEdit>("Text2");
    auto* target = program.control<QLabel>("Label1");
    // A screen reader's review names each counter by the heading that
    // labels it, then reads its value.
    const auto heading = [](QWidget* counter) {
        const auto labels = accessible(counter)->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    };
    QCOMPARE(heading(seconds), QStringLiteral("Time Remaing"));
    QCOMPARE(heading(chances), QStringLiteral("This is your chance number:"));
    QCOMPARE(heading(target), QStringLiteral("Find out this number:"));

    program.startWithTarget(421);
    QTest::mouseClick(box(program, 0), Qt::LeftButton);
    program.board()->Timer1_Timer();
    QCOMPARE(accessible(seconds)->text(QAccessible::Value), QStringLiteral("29"));
    QCOMPARE(accessible(chances)->text(QAccessible::Value), QStringLiteral("1"));
    QCOMPARE(nameOf(target), QStringLiteral("421"));
}

void AccessTest::boxesAreNamedByPlaceAndNeverByNumber()
{
    Program program;
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

void AccessTest::boxesCarryTheirStates()
{
    Program program;
    Program::activate(program.board());
    QPushButton* first = box(program, 0);
    QVERIFY(accessible(first)->state().disabled);
    program.startWithTarget(55);
    QVERIFY(!accessible(first)->state().disabled);
    QVERIFY(accessible(program.control<QPushButton>("Command1"))->state().disabled);
    QCOMPARE(accessible(first)->text(QAccessible::Description),
             QStringLiteral("Not opened. Find out this number: 55"));
    QTest::mouseClick(first, Qt::LeftButton);
    QCOMPARE(accessible(first)->text(QAccessible::Description),
             QStringLiteral("Opened in this game. Find out this number: 55"));
    QTest::keyClick(program.board(), Qt::Key_F4);
    QCOMPARE(accessible(first)->text(QAccessible::Description),
             QStringLiteral("Opened in this game"));
    program.startWithTarget(56);
    QCOMPARE(accessible(first)->text(QAccessible::Description),
             QStringLiteral("Not opened. Find out this number: 56"));
}

// A whole game by keyboard: each start puts the player on the first box,
// and each end of a game (a win, Stop, time up, the chance limit) on Start,
// never on a box that no longer opens. What a screen reader says on the way
// is the screenreader test's to hear, under Orca itself.
void AccessTest::aWholeGameByKeyboardLeavesTheFocusWhereItCanAct()
{
    Program program;
    Program::activate(program.board());
    const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    const auto startWith = [&](int target, Qt::Key key) {
        program.random.draws = {testing::drawFor(Level::Easy, target)};
        press(key);
        // Command2, the first box in tab order.
        QCOMPARE(QApplication::focusWidget(), box(program, 0));
    };
    auto* start = program.control<QPushButton>("Command1");

    // Target 176 hides in Command10, row 3, column 4, below Command2.
    startWith(176, Qt::Key_F2);
    press(Qt::Key_Space);
    QCOMPARE(program.log.shown.size(), std::size_t{1});
    QCOMPARE(program.control<QLineEdit>("Text2")->text(), QStringLiteral("1"));
    QCOMPARE(QApplication::focusWidget(), box(program, 0));
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    QCOMPARE(program.log.shown.back().title, std::string("Congratulations."));
    QCOMPARE(QApplication::focusWidget(), start);
    QCOMPARE(nameOf(start), QStringLiteral("Next Number"));
    QCOMPARE(accessible(start)->text(QAccessible::Description),
             QStringLiteral("Starts a game (F2)"));

    startWith(300, Qt::Key_Space);
    press(Qt::Key_F4);
    QCOMPARE(QApplication::focusWidget(), start);
    startWith(300, Qt::Key_F2);
    while (program.control<QTimer>("Timer1")->isActive()) {
        program.board()->Timer1_Timer();
    }
    QCOMPARE(program.log.shown.back().text, std::string("Your Time is Up."));
    QCOMPARE(QApplication::focusWidget(), start);
    startWith(554, Qt::Key_F2);
    for (int opening = 0; opening < 8; ++opening) {
        press(Qt::Key_Space);
        press(Qt::Key_Right);
    }
    QCOMPARE(program.log.shown.back().text, std::string("You Have No More Chance."));
    QCOMPARE(QApplication::focusWidget(), start);
}

void AccessTest::arrowsMoveAcrossTheGridAndStopAtItsEdges()
{
    Program program;
    Program::activate(program.board());
    program.startWithTarget(55);
    const auto at = [](int row, int column) {
        return kBoxPlaces.at(static_cast<std::size_t>(boxAt(row, column))).name;
    };
    const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    const auto focused = [] { return QApplication::focusWidget()->objectName().toStdString(); };

    box(program, boxAt(1, 1))->setFocus();
    press(Qt::Key_Up);
    press(Qt::Key_Left);
    QCOMPARE(focused(), std::string(at(1, 1)));
    for (int column = 2; column <= kGridColumns; ++column) {
        press(Qt::Key_Right);
        QCOMPARE(focused(), std::string(at(1, column)));
    }
    press(Qt::Key_Right);
    QCOMPARE(focused(), std::string(at(1, kGridColumns)));
    for (int row = 2; row <= kGridRows; ++row) {
        press(Qt::Key_Down);
        QCOMPARE(focused(), std::string(at(row, kGridColumns)));
    }
    press(Qt::Key_Down);
    press(Qt::Key_Left);
    QCOMPARE(focused(), std::string(at(kGridRows, kGridColumns - 1)));
    // Arrows only move the focus: nothing was opened.
    QVERIFY(program.log.shown.empty());
    QCOMPARE(program.control<QLineEdit>("Text2")->text(), QStringLiteral("0"));
}

QTEST_MAIN(AccessTest)
#include "access_test.moc"
