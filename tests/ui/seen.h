#pragma once

// What the player sees and hears of a window, a line a control, as
// board_states.txt holds it (its header says what each line gives).
#include "tests/ui/program.h"
#include "ui/contrast.h"
#include "ui/face_button.h"

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

#include <map>

namespace numorra::ui::fixture {

inline QString quoted(const QString& text)
{
    return '"' + text + '"';
}

inline QString size(const QSize& size)
{
    return QString("%1x%2").arg(size.width()).arg(size.height());
}

// The words whose condition holds.
inline QStringList marks(std::initializer_list<std::pair<bool, const char*>> marks)
{
    QStringList words;
    for (const auto& [holds, word] : marks) {
        words << (holds ? word : "");
    }
    words.removeAll("");
    return words;
}

// A control's text as drawn: a button's without its access key's mark.
inline QString drawnText(const QWidget* control)
{
    QString text = control->property("text").toString();
    return qobject_cast<const QPushButton*>(control) != nullptr ? text.remove(QLatin1Char('&'))
                                                                : text;
}

// Inside its window, with room for its text (a frame's too, but a label's).
inline bool drawnWhole(const QWidget* control)
{
    const QFontMetrics metrics(control->font());
    const int frame = qobject_cast<const QLabel*>(control) != nullptr ? 0 : 6;
    return control->parentWidget()->rect().contains(control->geometry()) &&
           metrics.horizontalAdvance(drawnText(control)) + frame <= control->width() &&
           metrics.height() <= control->height();
}

// The icon whose vector art `image` is, pixel for pixel at its size and
// scale, or "blurred".
inline QString artOf(QImage image)
{
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    for (const char* name : {"numorra", "aboutme"}) {
        QImage drawn(image.size(), QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        QSvgRenderer(QString(NUMORRA_ICON_DIR "/%1.svg").arg(name)).render(&painter);
        painter.end();
        drawn.setDevicePixelRatio(image.devicePixelRatio());
        if (drawn == image) {
            return name;
        }
    }
    return "blurred";
}

// Text is readable where some pixel of its area stands out 4.5:1 from the
// area's commonest colour, which is what lies behind it.
inline bool readable(const QImage& shot, const QRectF& area)
{
    std::map<QRgb, int> counts;
    const QRect pixels =
        QRectF(area.topLeft() * shot.devicePixelRatio(), area.size() * shot.devicePixelRatio())
            .toRect();
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            ++counts[shot.pixel(x, y)];
        }
    }
    const QColor behind(
        std::ranges::max_element(counts, {}, [](auto& e) { return e.second; })->first);
    return std::ranges::any_of(counts, [&behind](auto& entry) {
        return contrastRatio(QColor(entry.first), behind) >= 4.5;
    });
}

// The focused box's mark, read along its middle row from the left edge in
// (what the focus changes): its outermost pixel stands out 3:1 from the
// board around it, its innermost from the box's face.
inline bool markStandsOut(FaceButton* box, const QColor& board)
{
    const QImage marked = box->grab().toImage();
    box->clearFocus();
    const QImage plain = box->grab().toImage();
    box->setFocus();
    const int y = marked.height() / 2;
    int inner = 0;
    while (inner < marked.width() / 2 && marked.pixel(inner, y) != plain.pixel(inner, y)) {
        ++inner;
    }
    return inner > 0 && contrastRatio(QColor(marked.pixel(0, y)), board) >= 3.0 &&
           contrastRatio(QColor(marked.pixel(inner - 1, y)), box->faceColour()) >= 3.0;
}

inline QString windowSeen(QWidget* window, QWidget* client, const QColor& face)
{
    QStringList icons;
    for (const int side : {16, 24, 32, 48, 64}) {
        icons << artOf(
            window->windowIcon().pixmap(QSize(side, side), window->devicePixelRatioF()).toImage());
    }
    icons.removeDuplicates();
    const Qt::WindowFlags flags = window->windowFlags();
    const QPoint offCentre =
        window->frameGeometry().center() - window->screen()->availableGeometry().center();
    return (QStringList{window->objectName(), quoted(window->windowTitle()),
                        window->isVisible() ? "shown" : "hidden", size(client->size()), "icon",
                        icons.join('/'), "face",
                        face == window->palette().color(QPalette::Button) ? "theme" : face.name()}
            << marks({{flags.testFlag(Qt::WindowSystemMenuHint), "menu"},
                      {flags.testFlag(Qt::WindowMinimizeButtonHint), "minimise"},
                      {flags.testFlag(Qt::WindowMaximizeButtonHint), "maximise"},
                      {flags.testFlag(Qt::WindowCloseButtonHint), "close"},
                      {window->minimumSize() == window->maximumSize(), "fixed"},
                      {offCentre.manhattanLength() <= 1, "centred"}}))
        .join(' ');
}

inline QString seen(QWidget* control, const QImage& shot)
{
    auto* label = qobject_cast<QLabel*>(control);
    auto* box = qobject_cast<QLineEdit*>(control);
    auto* button = qobject_cast<QPushButton*>(control);
    const QString text = drawnText(control);
    QStringList line{control->objectName(),
                     QString("at %1,%2").arg(control->x()).arg(control->y())};
    if (label == nullptr || !label->pixmap().isNull()) {
        line << size(control->size());
    }
    if (label != nullptr && !label->pixmap().isNull()) {
        line << "art" << artOf(label->pixmap().toImage());
    }
    if (const QFont font = control->font(); font != control->window()->font()) {
        line << QString("%1pt%2").arg(font.pointSizeF()).arg(font.bold() ? " bold" : "");
    }
    const QColor colour = control->palette().color(QPalette::WindowText);
    if (label != nullptr && colour != control->window()->palette().color(QPalette::WindowText)) {
        line << "colour" << colour.name();
    }
    // A button's caption lies inside its bevel.
    const int inset = button != nullptr ? 4 : 0;
    const QRect area = QRect(control->mapTo(control->window(), QPoint()), control->size())
                           .adjusted(inset, inset, -inset, -inset);
    const bool hasText = (label != nullptr || button != nullptr) && !text.isEmpty();
    line << (control->isVisible() ? "shown" : "hidden")
         << (control->isEnabled() ? "enabled" : "disabled")
         << marks({{box != nullptr && box->isEnabled() && !box->isReadOnly(), "editable"}})
         << (text.isEmpty() ? "" : quoted(text))
         << marks(
                {{control->isVisible() && !drawnWhole(control), "CLIPPED"},
                 {hasText && control->isVisible() && control->isEnabled() && !readable(shot, area),
                  "FAINT"},
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
inline QString itemSeen(const QAction* item)
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
inline QStringList windowLines(QWidget* window)
{
    auto* board = qobject_cast<QMainWindow*>(window);
    QWidget* client = board != nullptr ? board->centralWidget() : window;
    const QImage shot = window->grab().toImage();
    const auto painted = [&shot, window](QWidget* control, QPoint at) {
        return shot.pixelColor(control->mapTo(window, at) * shot.devicePixelRatio());
    };
    const QColor face = painted(client, QPoint(1, 1));
    QStringList lines{windowSeen(window, client, face)};
    for (QWidget* control : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (board == nullptr || qobject_cast<FaceButton*>(control) == nullptr) {
            lines << seen(control, shot);
        }
    }
    if (board == nullptr) {
        return lines;
    }
    for (const QAction* menu : board->menuBar()->actions()) {
        lines << "menu " + itemSeen(menu);
    }
    std::map<int, std::map<int, FaceButton*>> rows;
    for (FaceButton* box : board->findChildren<FaceButton*>()) {
        rows[box->y()][box->x()] = box;
    }
    QStringList red;
    FaceButton* fresh = nullptr;
    int working = 0;
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
            working += box->isVisible() && box->isEnabled() ? 1 : 0;
            if (box->faceColour() == QColor(255, 0, 0)) {
                red << box->objectName();
            } else {
                fresh = box;
            }
        }
        lines << line.join(' ');
    }
    QStringList boxes = QStringList{QString("boxes %1 working, red:").arg(working)} << red;
    // A fresh box is drawn in the theme's button face, give or take the bevel's shading.
    if (const QColor shown = painted(fresh, fresh->rect().center());
        contrastRatio(shown, board->palette().color(QPalette::Button)) >= 3.0) {
        boxes << "fresh face" << shown.name();
    }
    if (auto* focused = qobject_cast<FaceButton*>(QApplication::focusWidget())) {
        boxes << "focus" << focused->objectName()
              << (markStandsOut(focused, face) ? "" : "UNMARKED");
    }
    boxes.removeAll("");
    return lines << boxes.join(' ') << seen(board->findChild<QWidget*>("Command2"), shot);
}

} // namespace numorra::ui::fixture
