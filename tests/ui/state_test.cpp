// What the player sees and hears, held against the written-out record
// board_states.txt (its header says what each line holds). A difference is
// printed line by line; all that was shown is written to
// board_states.shown.txt in the build folder.
#include "tests/ui/program.h"
#include "ui/face_button.h"

#include <QAccessible>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>

#include <map>
#include <optional>

using namespace numorra;
using namespace numorra::ui;
using namespace numorra::ui::fixture;

namespace {

QString quoted(const QString& text)
{
    return '"' + text + '"';
}

QString size(const QSize& size)
{
    return QString("%1x%2").arg(size.width()).arg(size.height());
}

// The words whose condition holds.
QStringList marks(std::initializer_list<std::pair<bool, const char*>> marks)
{
    QStringList words;
    for (const auto& [holds, word] : marks) {
        words << (holds ? word : "");
    }
    words.removeAll("");
    return words;
}

QString windowSeen(QWidget* window, QWidget* client)
{
    const QColor face = client->grab().toImage().pixelColor(1, 1);
    const Qt::WindowFlags flags = window->windowFlags();
    const QPoint offCentre =
        window->frameGeometry().center() - window->screen()->availableGeometry().center();
    return (QStringList{window->objectName(), quoted(window->windowTitle()),
                        window->isVisible() ? "shown" : "hidden", size(client->size()), "face",
                        face == window->palette().color(QPalette::Button) ? "theme" : face.name()}
            << marks({{flags.testFlag(Qt::WindowSystemMenuHint), "menu"},
                      {flags.testFlag(Qt::WindowMinimizeButtonHint), "minimise"},
                      {flags.testFlag(Qt::WindowMaximizeButtonHint), "maximise"},
                      {flags.testFlag(Qt::WindowCloseButtonHint), "close"},
                      {window->minimumSize() == window->maximumSize(), "fixed"},
                      {offCentre.manhattanLength() <= 1, "centred"}}))
        .join(' ');
}

QString seen(QWidget* control)
{
    auto* label = qobject_cast<QLabel*>(control);
    auto* box = qobject_cast<QLineEdit*>(control);
    QStringList line{control->objectName(),
                     QString("at %1,%2").arg(control->x()).arg(control->y())};
    if (label == nullptr || !label->pixmap().isNull()) {
        line << size(control->size());
    }
    if (const QFont font = control->font(); font != control->window()->font()) {
        line << QString("%1pt%2").arg(font.pointSizeF()).arg(font.bold() ? " bold" : "");
    }
    const QColor text = control->palette().color(QPalette::WindowText);
    if (label != nullptr && text != control->window()->palette().color(QPalette::WindowText)) {
        line << "colour" << text.name();
    }
    line << (control->isVisible() ? "shown" : "hidden")
         << (control->isEnabled() ? "enabled" : "disabled")
         << marks({{box != nullptr && box->isEnabled() && !box->isReadOnly(), "editable"}})
         << (drawnText(control).isEmpty() ? "" : quoted(drawnText(control)))
         << marks({{control->isVisible() && !drawnWhole(control), "CLIPPED"},
                   {QApplication::focusWidget() == control, "focus"}});
    // A label sizes itself to its text, so it must keep clear of the rest.
    for (QWidget* other :
         control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (label != nullptr && other != control && control->isVisible() && other->isVisible() &&
            control->geometry().intersects(other->geometry())) {
            line << "OVERLAPS" << other->objectName();
        }
    }
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    line << "reads" << quoted(face->text(QAccessible::Name));
    for (const auto& [heading, relation] : face->relations(QAccessible::Label)) {
        line << "headed" << quoted(heading->text(QAccessible::Name));
    }
    if (const QString said = face->text(QAccessible::Description); !said.isEmpty()) {
        line << "says" << quoted(said);
    }
    line.removeAll("");
    return line.join(' ');
}

// An item: name, caption, shortcut, mark, and its submenu's items.
QString itemSeen(const QAction* item)
{
    QMenu* menu = item->menu();
    QStringList line{menu != nullptr ? menu->objectName() : item->objectName(),
                     quoted(item->text()), item->shortcut().toString()};
    line << (item->isCheckable() ? (item->isChecked() ? "[x]" : "[ ]") : "");
    QStringList items;
    for (const QAction* inner : menu != nullptr ? menu->actions() : QList<QAction*>{}) {
        items << itemSeen(inner);
    }
    line << (items.isEmpty() ? "" : '(' + items.join(", ") + ')');
    line.removeAll("");
    return line.join(' ');
}

// A window, its controls, and a board's menus, grid (with the spoken name of
// a box that does not say its place) and boxes.
QStringList windowLines(QWidget* window)
{
    auto* board = qobject_cast<QMainWindow*>(window);
    QWidget* client = board != nullptr ? board->centralWidget() : window;
    QStringList lines{windowSeen(window, client)};
    for (QWidget* control : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (board == nullptr || qobject_cast<FaceButton*>(control) == nullptr) {
            lines << seen(control);
        }
    }
    if (board == nullptr) {
        return lines;
    }
    for (const QAction* menu : board->menuBar()->actions()) {
        lines << "menu " + itemSeen(menu);
    }
    std::map<int, std::map<int, FaceButton*>> rows;
    int working = 0;
    for (FaceButton* box : board->findChildren<FaceButton*>()) {
        rows[box->y()][box->x()] = box;
        working += box->isVisible() && box->isEnabled() ? 1 : 0;
    }
    int rowNumber = 0;
    for (const auto& [y, row] : rows) {
        QStringList line{QString("grid at y %1:").arg(y)};
        int column = 0;
        ++rowNumber;
        for (const auto& [x, box] : row) {
            line << QString("%1@%2,%3").arg(box->objectName()).arg(x).arg(size(box->size()));
            const QString name =
                QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name);
            if (name != QString("Box, row %1, column %2").arg(rowNumber).arg(++column)) {
                line << quoted(name);
            }
        }
        lines << line.join(' ');
    }
    QStringList boxes{QString("boxes %1 working, red:").arg(working)};
    for (const std::string& name : testing::facts().boxes) {
        auto* box = board->findChild<FaceButton*>(QString::fromStdString(name));
        boxes << (box->faceColour() == QColor(255, 0, 0) ? box->objectName() : "");
    }
    auto* focused = qobject_cast<FaceButton*>(QApplication::focusWidget());
    boxes << (focused != nullptr ? "focus " + focused->objectName() : "");
    boxes.removeAll("");
    return lines << boxes.join(' ') << seen(board->findChild<QWidget*>("Command2"));
}

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
    auto program = std::make_unique<Program>();
    QVERIFY2(program->board() != nullptr, "the game does not start on the Easy board");
    QFile file(NUMORRA_STATE_RECORD);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList record = QString::fromUtf8(file.readAll()).split('\n');
    QStringList shown;
    std::map<QString, QStringList> before; // each window's lines, and the program's
    std::size_t messages = 0;
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
                    const auto choice =
                        word == "cancel" ? std::nullopt : std::optional(QColor(word));
                    shown << "colour dialog offers " +
                                 program->customColours(choice, board->level()).name();
                } else if (verb == "fault") {
                    expectedCriticals = 1;
                } else if (verb == "restart") {
                    program.reset(); // the old windows go before the new come
                    program = std::make_unique<Program>();
                    Program::activate(program->board());
                    messages = 0;
                } else {
                    QVERIFY2(verb == "keys" || verb == "walk", qPrintable(step));
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
        for (; messages < program->shown.size(); ++messages) {
            const Message& message = program->shown.at(messages);
            shown << QString("message %1 %2 %3")
                         .arg(quoted(QString::fromStdString(message.title)),
                              quoted(QString::fromStdString(message.text).replace('\n', "\\n")))
                         .arg(static_cast<int>(message.style));
        }
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
