// What the player sees and hears, held against the written-out record
// board_states.txt, which says what the player does and what each window
// then shows (its header says what each line holds). A difference is
// printed line by line, and all that was shown is written to
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
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString size(const QSize& size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// The words of `marks` whose condition holds.
QStringList marks(std::initializer_list<std::pair<bool, const char*>> marks)
{
    QStringList words;
    for (const auto& [holds, word] : marks) {
        if (holds) {
            words << QLatin1String(word);
        }
    }
    return words;
}

QString windowSeen(QWidget* window, QWidget* client)
{
    // The face as painted: the theme's button face, or a colour of its own.
    const QColor face = client->grab().toImage().pixelColor(1, 1);
    const QString faceName =
        face == window->palette().color(QPalette::Button) ? QStringLiteral("theme") : face.name();
    const Qt::WindowFlags flags = window->windowFlags();
    const QPoint offCentre =
        window->frameGeometry().center() - window->screen()->availableGeometry().center();
    return (QStringList{window->objectName(), quoted(window->windowTitle()),
                        window->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"),
                        size(client->size()), QStringLiteral("face"), faceName}
            << marks({{flags.testFlag(Qt::WindowSystemMenuHint), "menu"},
                      {flags.testFlag(Qt::WindowMinimizeButtonHint), "minimise"},
                      {flags.testFlag(Qt::WindowMaximizeButtonHint), "maximise"},
                      {flags.testFlag(Qt::WindowCloseButtonHint), "close"},
                      {window->minimumSize() == window->maximumSize(), "fixed"},
                      {offCentre.manhattanLength() <= 1, "centred"}}))
        .join(QLatin1Char(' '));
}

QString seen(QWidget* control)
{
    auto* label = qobject_cast<QLabel*>(control);
    QStringList line{control->objectName(),
                     QStringLiteral("at %1,%2").arg(control->x()).arg(control->y())};
    if (label == nullptr || !label->pixmap().isNull()) {
        line << size(control->size());
    }
    if (const QFont font = control->font(); font != control->window()->font()) {
        line << QStringLiteral("%1pt%2").arg(font.pointSizeF()).arg(font.bold() ? " bold" : "");
    }
    const QColor text = control->palette().color(QPalette::WindowText);
    if (label != nullptr && text != control->window()->palette().color(QPalette::WindowText)) {
        line << QStringLiteral("colour") << text.name();
    }
    auto* box = qobject_cast<QLineEdit*>(control);
    line << (control->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"))
         << (control->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"))
         << marks({{box != nullptr && box->isEnabled() && !box->isReadOnly(), "editable"}});
    if (const QString shown = drawnText(control); !shown.isEmpty()) {
        line << quoted(shown);
    }
    line << marks({{control->isVisible() && !drawnWhole(control), "CLIPPED"},
                   {QApplication::focusWidget() == control, "focus"}});
    // A label sizes itself to its text, so it must keep clear of the rest.
    for (QWidget* other :
         control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (label != nullptr && other != control && control->isVisible() && other->isVisible() &&
            control->geometry().intersects(other->geometry())) {
            line << QStringLiteral("OVERLAPS") << other->objectName();
        }
    }
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

// An item and what it holds: name, caption, shortcut, mark, submenu.
QString itemSeen(const QAction* item)
{
    QMenu* menu = item->menu();
    QString line = (menu != nullptr ? menu->objectName() : item->objectName()) + QLatin1Char(' ') +
                   quoted(item->text());
    if (!item->shortcut().isEmpty()) {
        line += QLatin1Char(' ') + item->shortcut().toString();
    }
    if (item->isCheckable()) {
        line += item->isChecked() ? QStringLiteral(" [x]") : QStringLiteral(" [ ]");
    }
    if (menu != nullptr) {
        QStringList items;
        for (const QAction* inner : menu->actions()) {
            items << itemSeen(inner);
        }
        line += QStringLiteral(" (") + items.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    return line;
}

// Every line of a window: itself, its controls, and a board's menus, grid
// (a box not named by its place says its name) and boxes.
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
        lines << QStringLiteral("menu ") + itemSeen(menu);
    }
    std::map<int, std::map<int, FaceButton*>> rows;
    QStringList red;
    int working = 0;
    for (FaceButton* box : board->findChildren<FaceButton*>()) {
        rows[box->y()][box->x()] = box;
        working += box->isVisible() && box->isEnabled() ? 1 : 0;
    }
    int rowNumber = 0;
    for (const auto& [y, row] : rows) {
        QStringList line{QStringLiteral("grid at y %1:").arg(y)};
        int column = 0;
        ++rowNumber;
        for (const auto& [x, box] : row) {
            line << QStringLiteral("%1@%2,%3").arg(box->objectName()).arg(x).arg(size(box->size()));
            const QString name =
                QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name);
            if (name != QStringLiteral("Box, row %1, column %2").arg(rowNumber).arg(++column)) {
                line << quoted(name);
            }
        }
        lines << line.join(QLatin1Char(' '));
    }
    for (const std::string& box : testing::facts().boxes) {
        auto* button = board->findChild<FaceButton*>(QString::fromStdString(box));
        if (button->faceColour() == QColor(255, 0, 0)) {
            red << button->objectName();
        }
    }
    auto* focused = qobject_cast<FaceButton*>(QApplication::focusWidget());
    lines << (QStringList{QStringLiteral("boxes %1 working, red:").arg(working)}
              << red
              << (focused != nullptr ? QStringLiteral("focus ") + focused->objectName()
                                     : QString()))
                 .join(QLatin1Char(' '))
                 .trimmed()
          << seen(board->findChild<QWidget*>(QStringLiteral("Command2")));
    return lines;
}

} // namespace

class StateTest : public QObject {
    Q_OBJECT

private slots:
    void eachStateShowsWhatTheRecordSays();
};

void StateTest::eachStateShowsWhatTheRecordSays()
{
    std::optional<Program> program(std::in_place);
    QVERIFY2(program->board() != nullptr, "the game does not start on the Easy board");
    QFile file(QStringLiteral(NUMORRA_STATE_RECORD));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList record = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    QStringList shown;
    std::map<QString, QStringList> before; // each window's lines, and the program's
    std::size_t messages = 0;
    const auto focusName = [] {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus->objectName() : QStringLiteral("nothing");
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
        if (!line.startsWith(QLatin1String("== "))) {
            if (line.startsWith(QLatin1Char('#')) || line.isEmpty()) {
                shown << line;
            }
            continue;
        }
        shown << line;
        static const QRegularExpression note(QStringLiteral(" ?\\(.*?\\)"));
        for (const QString& step :
             line.mid(3).remove(note).split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
            QStringList words = step.split(QLatin1Char(' '));
            const QString verb = words.takeFirst();
            words << (words.isEmpty() ? QStringList{QString()} : QStringList{});
            BoardWindow* board = shownBoard();
            if (front() != nullptr) {
                Program::activate(front());
            }
            const int times =
                words.last().startsWith(QLatin1Char('x')) ? words.takeLast().mid(1).toInt() : 1;
            QStringList path{QStringLiteral("walk from"), focusName()};
            for (int time = 0; time < times * static_cast<int>(words.size()); ++time) {
                const QString& word = words.at(time % words.size());
                if (verb == QLatin1String("draw")) {
                    program->random.draws.push_back(testing::drawFor(board->level(), word.toInt()));
                } else if (verb == QLatin1String("ticks")) {
                    for (int tick = 0; tick < word.toInt(); ++tick) {
                        board->Timer1_Timer();
                    }
                } else if (verb == QLatin1String("menu")) {
                    board->findChild<QAction*>(word)->trigger();
                    Program::settle();
                } else if (verb == QLatin1String("colours")) {
                    const bool cancel = word == QLatin1String("cancel");
                    shown << QStringLiteral("colour dialog offers ") +
                                 program
                                     ->customColours(cancel ? std::nullopt
                                                            : std::optional(QColor(word)),
                                                     board->level())
                                     .name();
                } else if (verb == QLatin1String("fault")) {
                    fixture::expectedCriticals = 1;
                } else if (verb == QLatin1String("restart")) {
                    program.reset();
                    program.emplace();
                    Program::activate(program->board());
                    messages = 0;
                } else {
                    QVERIFY2(verb == QLatin1String("keys") || verb == QLatin1String("walk"),
                             qPrintable(step));
                    QWidget* focus = QApplication::focusWidget();
                    QTest::keySequence(focus != nullptr ? focus : front(), QKeySequence(word));
                    // A button's access key clicks it as its animation ends.
                    QTest::qWait(word.startsWith(QLatin1String("Alt+")) ? 200 : 0);
                    Program::settle();
                    path << focusName();
                }
            }
            if (verb == QLatin1String("walk")) {
                shown << path.join(QLatin1Char(' '));
            }
        }
        QStringList windows;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            windows << (top->isVisible() ? top->objectName() : QString());
        }
        windows.removeAll(QString());
        windows.sort();
        windows.prepend(QStringLiteral("program: windows"));
        windows << QStringLiteral("ended");
        for (const int status : program->endings) {
            windows << QString::number(status);
        }
        std::map<QString, QStringList> now{{QString(), {windows.join(QLatin1Char(' '))}}};
        if (QWidget* window = front()) {
            Program::activate(window);
            now[qobject_cast<BoardWindow*>(window) != nullptr ? QStringLiteral("board")
                                                              : window->objectName()] =
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
            shown << QStringLiteral("message %1 %2 %3")
                         .arg(quoted(QString::fromStdString(message.title)),
                              quoted(QString::fromStdString(message.text)
                                         .replace(QLatin1Char('\n'), QLatin1String("\\n"))))
                         .arg(static_cast<int>(message.style));
        }
    }

    QFile written(QStringLiteral(NUMORRA_STATE_SHOWN));
    QVERIFY(written.open(QIODevice::WriteOnly | QIODevice::Text));
    written.write(shown.join(QLatin1Char('\n')).toUtf8());
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
