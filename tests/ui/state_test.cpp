// What the player sees and hears, held against the written-out record
// board_states.txt (its header says what each line holds). A difference is
// printed line by line; all that was shown is written to
// board_states.shown.txt in the build folder.
#include "tests/ui/seen.h"
#include "ui/message_box.h"

#include <QFile>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleHints>

#include <map>
#include <optional>

using namespace numorra;
using namespace numorra::ui;
using namespace numorra::ui::fixture;

namespace {

// The windows on screen, and the status of each end of the program.
QString programSeen(const Program& program)
{
    QStringList windows;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        windows << (top->isVisible() ? top->objectName() : "");
    }
    windows.removeAll("");
    windows.sort();
    windows << "ended";
    for (const int status : program.endings) {
        windows << QString::number(status);
    }
    return "program: windows " + windows.join(' ');
}

} // namespace

class StateTest : public QObject {
    Q_OBJECT

private slots:
    void eachStateShowsWhatTheRecordSays();
};

void StateTest::eachStateShowsWhatTheRecordSays()
{
    const auto start = [] {
        return std::make_unique<Program>([](Services& services) {
            services.messageBox = [](QWidget* owner) {
                return std::make_unique<ToolkitMessageBox>(owner);
            };
        });
    };
    auto program = start();
    QVERIFY2(program->board() != nullptr, "the game does not start on the Easy board");
    QFile file(NUMORRA_STATE_RECORD);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList record = QString::fromUtf8(file.readAll()).split('\n');
    QStringList shown;
    std::map<QString, QStringList> before; // each window's lines, and the program's
    // Each message as the toolkit shows it, and what a second of the
    // countdown does under it; a click that comes at once (the second of a
    // double-click) must leave it open, and Enter closes it. The colour
    // dialog is answered with `colour`, or cancelled.
    QStringList messages;
    std::optional<QColor> colour;
    // However loaded the machine, the answer's click comes "at once".
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(60000);
    QObject answering; // the answers end with the test
    std::function<void()> answer;
    answer = [&messages, &colour, &answering, &answer] {
        // Each look at the screen is a timer of its own: a timer that is
        // still running does not fire again for a message it brought.
        QTimer::singleShot(10, &answering, answer);
        if (auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget())) {
            messages << "colour dialog offers " + dialog->currentColor().name();
            dialog->setCurrentColor(colour.value_or(dialog->currentColor()));
            colour ? dialog->accept() : dialog->reject();
        }
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        QTest::mouseClick(box->buttons().constFirst(), Qt::LeftButton);
        QStringList line{"message",
                         quoted(box->windowTitle()),
                         quoted(box->text().replace('\n', "\\n")),
                         QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box->icon()),
                         "on",
                         box->parentWidget()->objectName()};
        for (QAbstractButton* button : box->buttons()) {
            line << quoted(drawnText(button));
        }
        auto* board = qobject_cast<BoardWindow*>(box->parentWidget());
        if (board != nullptr) {
            int red = 0;
            int working = 0;
            for (const FaceButton* face : board->findChildren<FaceButton*>()) {
                red += face->faceColour() == QColor(255, 0, 0) ? 1 : 0;
                working += face->isEnabled() ? 1 : 0;
            }
            line << QString("over chance %1, %2 red, %3 working")
                        .arg(board->findChild<QLineEdit*>("Text2")->text())
                        .arg(red)
                        .arg(working);
        }
        const qsizetype at = messages.size();
        messages << (line << marks({{!box->isVisible(), "CLOSED BY A LEFTOVER CLICK"}})).join(' ');
        if (board != nullptr && board->findChild<QTimer*>("Timer1")->isActive()) {
            auto* seconds = board->findChild<QLineEdit*>("Text1");
            const QString was = seconds->text();
            board->Timer1_Timer(); // a message it brings is written after this one
            messages[at] += QString(", a tick: %1 to %2").arg(was, seconds->text());
        }
        QTest::keyClick(box, Qt::Key_Return);
    };
    answer();
    const auto focusName = [] {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus->objectName() : "nothing";
    };
    const auto shownBoard = [&program]() -> BoardWindow* {
        for (const Level level : kLevels) {
            if (BoardWindow* board = program->board(level); board && board->isVisible()) {
                return board;
            }
        }
        return nullptr;
    };
    // The About window while it is open, else the board: where keys go.
    const auto front = [&program, &shownBoard]() -> QWidget* {
        QWidget* about = program->windows->aboutWindow();
        return about != nullptr && about->isVisible() ? about : shownBoard();
    };
    for (const QString& line : record) {
        if (line.startsWith('#') || line.isEmpty() || line.startsWith("== ")) {
            shown << line;
        }
        if (!line.startsWith("== ")) {
            continue;
        }
        static const QRegularExpression note(" ?\\(.*?\\)");
        for (const QString& step : line.mid(3).remove(note).split(", ", Qt::SkipEmptyParts)) {
            QStringList words = step.split(' ');
            const QString verb = words.takeFirst();
            BoardWindow* board = shownBoard();
            if (front() != nullptr) {
                Program::activate(front());
            }
            const int times = !words.isEmpty() && words.last().startsWith('x')
                                  ? words.takeLast().mid(1).toInt()
                                  : 1;
            words << (words.isEmpty() ? QStringList{QString()} : QStringList{});
            QStringList path{"walk from", focusName()};
            for (int time = 0; time < times * words.size(); ++time) {
                const QString& word = words.at(time % words.size());
                if (verb == "draw") {
                    program->random.draws.push_back(testing::drawFor(board->level(), word.toInt()));
                } else if (verb == "ticks") {
                    for (int tick = 0; tick < word.toInt(); ++tick) {
                        board->Timer1_Timer();
                    }
                } else if (verb == "menu") {
                    board->findChild<QAction*>(word)->trigger();
                    Program::settle();
                } else if (verb == "colours") {
                    colour = word == "cancel" ? std::nullopt : std::optional(QColor(word));
                    board->findChild<QAction*>("customcolors")->trigger();
                } else if (verb == "theme") {
                    // A dark theme's palette, as the toolkit makes one from its face.
                    QApplication::setPalette(word == "dark"
                                                 ? QPalette(QColor(0x42, 0x42, 0x45))
                                                 : QApplication::style()->standardPalette());
                    Program::settle();
                } else if (verb == "fault") {
                    expectedCriticals = 1;
                } else if (verb == "restart") {
                    program.reset(); // the old windows go before the new come
                    program = start();
                    Program::activate(program->board());
                } else {
                    QVERIFY2(verb == "keys" || verb == "walk", qPrintable(step));
                    Program::activate(front()); // back from a message
                    QWidget* focus = QApplication::focusWidget();
                    QTest::keySequence(focus != nullptr ? focus : front(), QKeySequence(word));
                    // A button's access key clicks it as its animation ends.
                    QVERIFY(QTest::qWaitFor([] {
                        return std::ranges::none_of(QApplication::allWidgets(), [](QWidget* w) {
                            auto* button = qobject_cast<QAbstractButton*>(w);
                            return button != nullptr && button->isDown();
                        });
                    }));
                    Program::settle();
                    path << focusName();
                }
            }
            if (verb == "walk") {
                shown << path.join(' ');
            }
        }
        std::map<QString, QStringList> now{{QString(), {programSeen(*program)}}};
        if (QWidget* window = front()) {
            Program::activate(window);
            now[qobject_cast<BoardWindow*>(window) != nullptr ? "board" : window->objectName()] =
                windowLines(window);
        }
        for (auto& [name, lines] : now) {
            for (qsizetype at = 0; at < lines.size(); ++at) {
                if (lines.at(at) != before[name].value(at)) {
                    shown << lines.at(at);
                }
            }
            before[name] = lines;
        }
        shown << std::exchange(messages, {});
    }

    QFile written(NUMORRA_STATE_SHOWN);
    QVERIFY(written.open(QIODevice::WriteOnly | QIODevice::Text));
    written.write(shown.join('\n').toUtf8());
    for (qsizetype line = 0; line < std::max(record.size(), shown.size()); ++line) {
        if (record.value(line) != shown.value(line)) {
            qWarning("board_states.txt line %lld:\n  recorded: %s\n  shown:    %s",
                     static_cast<long long>(line + 1), qPrintable(record.value(line)),
                     qPrintable(shown.value(line)));
        }
    }
    QVERIFY2(record == shown, "what the player sees differs from the record: see above, and "
                              "all of it in " NUMORRA_STATE_SHOWN);
}

QTEST_MAIN(StateTest)
#include "state_test.moc"
