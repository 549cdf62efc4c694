// What the player sees and hears of a board window in each state of a game
// played by keyboard, and of the About window, held against the written-out
// record board_states.txt (which says what each line holds). A difference
// is printed line by line.
#include "tests/ui/program.h"
#include "ui/face_button.h"

#include <QAccessible>
#include <QFile>
#include <QRegularExpression>
#include <QScreen>

using namespace numorra;
using namespace numorra::ui;
using namespace numorra::ui::fixture;

namespace {

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

void mark(QStringList& line, bool holds, const char* word)
{
    if (holds) {
        line << QLatin1String(word);
    }
}

// The window as the window system is asked to show it.
QString windowSeen(QWidget* window)
{
    QStringList line{window->objectName(), quoted(window->windowTitle())};
    line << (window->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"));
    const Qt::WindowFlags flags = window->windowFlags();
    mark(line, flags.testFlag(Qt::WindowSystemMenuHint), "menu");
    mark(line, flags.testFlag(Qt::WindowMinimizeButtonHint), "minimise");
    mark(line, flags.testFlag(Qt::WindowMaximizeButtonHint), "maximise");
    mark(line, flags.testFlag(Qt::WindowCloseButtonHint), "close");
    mark(line, window->minimumSize() == window->maximumSize(), "fixed");
    const QPoint offCentre =
        window->frameGeometry().center() - window->screen()->availableGeometry().center();
    mark(line, offCentre.manhattanLength() <= 1, "centred");
    return line.join(QLatin1Char(' '));
}

// A control: whether it shows and works, its text as drawn, the focus, and
// its name and description as a screen reader is given them.
QString seen(QWidget* control)
{
    QStringList line{control->objectName(),
                     control->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"),
                     control->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled")};
    auto* box = qobject_cast<QLineEdit*>(control);
    mark(line, box != nullptr && box->isEnabled() && !box->isReadOnly(), "editable");
    if (const QString text = drawnText(control); !text.isEmpty()) {
        line << quoted(text);
    }
    mark(line, control->isVisible() && !drawnWhole(control), "CLIPPED");
    mark(line, QApplication::focusWidget() == control, "focus");
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    line << QStringLiteral("reads") << quoted(face->text(QAccessible::Name));
    for (const auto& [heading, relation] : face->relations(QAccessible::Label)) {
        line << QStringLiteral("headed") << quoted(heading->text(QAccessible::Name));
    }
    if (const QString said = face->text(QAccessible::Description); !said.isEmpty()) {
        line << QStringLiteral("says") << quoted(said);
    }
    return line.join(QLatin1Char(' '));
}

// The 40 boxes in one line: how many work, which are red, the focused one,
// and Command2 as a screen reader is told of it.
QString boxesSeen(QWidget* board)
{
    int working = 0;
    QStringList line{QStringLiteral("boxes")};
    QStringList red;
    for (const testing::BoxFacts& box : testing::kBoxFacts) {
        auto* button = board->findChild<FaceButton*>(QLatin1String(box.name));
        working += button->isVisible() && button->isEnabled() ? 1 : 0;
        mark(red, button->faceColour() == QColor(255, 0, 0), box.name.data());
    }
    line << QStringLiteral("%1 working, red:").arg(working) << red;
    if (auto* focused = qobject_cast<FaceButton*>(QApplication::focusWidget())) {
        line << QStringLiteral("focus") << focused->objectName();
    }
    line << QStringLiteral("|") << seen(board->findChild<QWidget*>(QStringLiteral("Command2")));
    return line.join(QLatin1Char(' '));
}

} // namespace

class StateTest : public QObject {
    Q_OBJECT

private slots:
    void eachStateShowsWhatTheRecordSays();
};

void StateTest::eachStateShowsWhatTheRecordSays()
{
    Program program;
    QStringList record;
    std::size_t messages = 0;
    const auto state = [&](const char* name, Level level = Level::Easy) {
        BoardWindow* board = program.board(level);
        record << QStringLiteral("== %1").arg(QLatin1String(name)) << windowSeen(board);
        for (const char* control : {"Label3", "Text1", "Command1", "Command33", "Label2", "Label4",
                                    "Label1", "Label5", "Text2"}) {
            record << seen(program.control<QWidget>(control, level));
        }
        record << boxesSeen(board);
        for (; messages < program.shown.size(); ++messages) {
            const Message& shown = program.shown.at(messages);
            record << QStringLiteral("message %1 %2 %3")
                          .arg(quoted(QString::fromStdString(shown.title)),
                               quoted(QString::fromStdString(shown.text)))
                          .arg(static_cast<int>(shown.style));
        }
    };
    const auto startWith = [&program](int target, Qt::Key key) {
        program.random.draws = {testing::drawFor(Level::Easy, target)};
        Program::press(key);
    };
    QVERIFY2(program.board() != nullptr, "the game does not start on the Easy board");
    Program::activate(program.board());
    state("loaded");

    startWith(176, Qt::Key_F2); // in Command10, below Command2
    program.board()->Timer1_Timer();
    state("a game, one second gone");
    // Where Tab takes the focus, round to where it began.
    QStringList walk{QStringLiteral("tab:"), QApplication::focusWidget()->objectName()};
    do {
        Program::press(Qt::Key_Tab);
        walk << QApplication::focusWidget()->objectName();
    } while (walk.last() != walk.at(1) && walk.size() < 50);
    record << walk.join(QLatin1Char(' '));
    Program::press(Qt::Key_Space);
    state("after a miss");
    Program::press(Qt::Key_F4);
    state("stopped after a miss");
    startWith(176, Qt::Key_F2);
    Program::press(Qt::Key_Down);
    Program::press(Qt::Key_Return);
    state("after a win");
    // Stop keeps Start's caption, and a stopped clock does not count down.
    startWith(300, Qt::Key_Space);
    Program::press(Qt::Key_F4);
    program.board()->Timer1_Timer();
    state("stopped after a win, a tick later");
    startWith(300, Qt::Key_F2);
    while (program.control<QTimer>("Timer1")->isActive()) {
        program.board()->Timer1_Timer();
    }
    state("time up");
    startWith(554, Qt::Key_F2); // in no box
    for (int opening = 0; opening < 8; ++opening) {
        Program::press(Qt::Key_Space);
        Program::press(Qt::Key_Right);
    }
    state("no more chances");
    program.item("hard")->trigger();
    Program::settle();
    Program::activate(program.board(Level::Hard));
    state("Hard, loaded by the level switch", Level::Hard);

    program.item("about", Level::Hard)->trigger();
    AboutWindow* about = program.windows->aboutWindow();
    Program::activate(about);
    record << QStringLiteral("== About") << windowSeen(about);
    for (const char* control : {"Image1", "Label1", "Label2", "Label4", "Command1"}) {
        record << seen(about->findChild<QWidget*>(QLatin1String(control)));
    }

    QFile file(QStringLiteral(NUMORRA_STATE_RECORD));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList expected = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    // The lines at the top that start with "#" say what the record is.
    const qsizetype header = expected.indexOf(QRegularExpression(QStringLiteral("[^#].*")));
    expected.remove(0, header);
    QFile shown(QStringLiteral("board_states.shown.txt"));
    QVERIFY(shown.open(QIODevice::WriteOnly | QIODevice::Text));
    shown.write(record.join(QLatin1Char('\n')).toUtf8() + '\n');
    int differences = 0;
    for (qsizetype line = 0; line < std::max(expected.size(), record.size() + 1); ++line) {
        if (expected.value(line) != record.value(line)) {
            ++differences;
            qWarning("board_states.txt line %lld:\n  recorded: %s\n  shown:    %s",
                     static_cast<long long>(header + line + 1), qPrintable(expected.value(line)),
                     qPrintable(record.value(line)));
        }
    }
    QVERIFY2(differences == 0, "what the player sees differs from the record: see above, and "
                               "the whole of it in board_states.shown.txt");
}

QTEST_MAIN(StateTest)
#include "state_test.moc"
