// What a screen reader and a keyboard player get from a board window.
#include "tests/ui/program.h"

#include <QAccessible>

#include <utility>
#include <vector>

using namespace numorra;
using namespace numorra::ui;
using namespace numorra::ui::fixture;

class AccessTest : public QObject {
    Q_OBJECT

private slots:
    void boxesAreReadByTheirPlaces();
    void arrowsMoveAcrossTheGridAndStopAtItsEdges();
};

// Every box is named by its place, never by the number it hides. What each
// control says in each state of a game is the state record's (state_test).
void AccessTest::boxesAreReadByTheirPlaces()
{
    Program program;
    Program::activate(program.board());
    program.startWithTarget(554); // held by no box
    for (const testing::BoxFacts& box : testing::kBoxFacts) {
        auto* button = program.control<QPushButton>(box.name.data());
        QTest::mouseClick(button, Qt::LeftButton);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
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
        Program::press(key);
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(reached));
    }
    QVERIFY(program.shown.empty());
    QCOMPARE(program.control<QLineEdit>("Text2")->text(), QStringLiteral("0"));
}

QTEST_MAIN(AccessTest)
#include "access_test.moc"
