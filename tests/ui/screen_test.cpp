// The windows as drawn, at the screen scale the test is run with
// (QT_SCALE_FACTOR): that many device pixels per logical pixel, icons
// that are their vector art drawn at that resolution, no control clipped or overlapping another,
// every enabled text readable at 4.5:1 under a light and a dark theme and on a player's own colour,
// and a focus mark that stands out on every box.
#include "tests/ui/program.h"
#include "ui/colours.h"
#include "ui/contrast.h"
#include "ui/face_button.h"

#include <QPainter>
#include <QStyle>
#include <QSvgRenderer>

#include <map>
#include <optional>

using namespace numorra;
using namespace numorra::ui;
using namespace numorra::ui::fixture;

namespace {

// Debian's qt6ct "darker" scheme, its colours in the order of the palette's
// roles (qt6ct's colors/darker.conf).
QPalette darkPalette()
{
    const QStringList colours =
        QStringLiteral(
            "#ffffff #424245 #979797 #5e5c5b #302f2e #4a4947 #ffffff #ffffff #ffffff #3d3d3d "
            "#222020 #e7e4e0 #12608a #f9f9f9 #0986d3 #a70b06 #5c5b5a")
            .split(QLatin1Char(' '));
    QPalette dark;
    for (int role = 0; role < colours.size(); ++role) {
        dark.setColor(static_cast<QPalette::ColorRole>(role), QColor(colours.at(role)));
    }
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        dark.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    }
    return dark;
}

void usePalette(bool dark)
{
    QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
}

double scale()
{
    return qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
               ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
               : 1.0;
}

// An icon's vector art, drawn `pixels` square for the screen's scale.
QImage art(const char* name, double pixels)
{
    QImage drawn(qRound(pixels), qRound(pixels), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    QSvgRenderer(QStringLiteral(NUMORRA_ICON_DIR "/%1.svg").arg(name)).render(&painter);
    painter.end();
    drawn.setDevicePixelRatio(scale());
    return drawn;
}

// At each size a window system is offered, the icon is its art drawn at the
// scale, pixel for pixel.
void verifyArt(const QIcon& icon, const char* name)
{
    for (const int size : {16, 24, 32, 48, 64}) {
        const QImage shown = icon.pixmap(QSize(size, size), scale()).toImage();
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 art(name, size * scale()));
    }
}

// No control clipped or overlapping another.
void verifyLaidOut(QWidget* client)
{
    QList<QWidget*> shown;
    for (QWidget* child : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible()) {
            shown.append(child);
        }
    }
    QVERIFY(!shown.isEmpty());
    for (QWidget* control : shown) {
        const QString name = control->objectName();
        QVERIFY2(drawnWhole(control), qPrintable(name));
        // Labels size themselves to their text, so they must keep clear of the
        // rest; buttons and text boxes keep their places (Start and Stop share
        // one row of pixels by design).
        const bool label = qobject_cast<QLabel*>(control) != nullptr;
        for (QWidget* other : label ? shown : QList<QWidget*>()) {
            QVERIFY2(other == control || !control->geometry().intersects(other->geometry()),
                     qPrintable(name + QStringLiteral(" overlaps ") + other->objectName()));
        }
    }
}

// Reads every enabled text of `window` (labels, and the captions of buttons
// inside their bevel) on its pixels: the commonest colour of its area is
// what is behind it, and the pixel farthest from that is the text itself.
void verifyReadable(QWidget* window, const QString& where)
{
    const QImage shot = window->grab().toImage();
    for (QWidget* control : window->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(control);
        auto* button = qobject_cast<QPushButton*>(control);
        if (!((label != nullptr && label->pixmap().isNull()) ||
              (button != nullptr && !button->text().isEmpty())) ||
            !control->isVisible() || !control->isEnabled()) {
            continue;
        }
        const int inset = button != nullptr ? 4 : 0;
        const QRect area = QRect(control->mapTo(window, QPoint(0, 0)), control->size())
                               .adjusted(inset, inset, -inset, -inset);
        const QRect pixels(area.topLeft() * scale(), area.size() * scale());
        std::map<QRgb, int> counts;
        for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            for (int x = pixels.left(); x <= pixels.right(); ++x) {
                ++counts[shot.pixel(x, y)];
            }
        }
        const QColor behind(std::ranges::max_element(counts, {}, [](const auto& entry) {
                                return entry.second;
                            })->first);
        const auto ratio = [&behind](const auto& entry) {
            return contrastRatio(QColor(entry.first), behind);
        };
        const double best = ratio(*std::ranges::max_element(counts, {}, ratio));
        QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("%1 %2 on %3: %4:1")
                                             .arg(where, control->objectName(), behind.name())
                                             .arg(best, 0, 'f', 2)));
    }
}

// The mark of the focused box, on a board in a game (see theFocusedBoxStandsOut).
void verifyFocusMark(Program& program, const QString& where)
{
    Program::activate(program.board());
    program.startWithTarget(554); // held by no box
    auto* opened = program.control<FaceButton>("Command3");
    auto* fresh = program.control<FaceButton>("Command4");
    auto* next = program.control<FaceButton>("Command5");
    QTest::mouseClick(opened, Qt::LeftButton);
    opened->clearFocus();
    const QImage nextPlain = next->grab().toImage();
    const QColor board = program.faceShown();
    QImage plain;
    for (FaceButton* box : {opened, fresh}) {
        const QString name = where + QLatin1Char(' ') + box->objectName();
        plain = box->grab().toImage();
        box->setFocus();
        const QImage marked = box->grab().toImage();
        QVERIFY2(marked != plain, qPrintable(name + QStringLiteral(" shows no focus")));
        // Along the middle row, from the left edge inwards: the mark is what
        // changed with the focus.
        const int y = marked.height() / 2;
        int inner = 0;
        while (inner < marked.width() / 2 && marked.pixel(inner, y) != plain.pixel(inner, y)) {
            ++inner;
        }
        QVERIFY2(inner > 0, qPrintable(name + QStringLiteral(": the mark leaves the edge bare")));
        QVERIFY2(contrastRatio(QColor(marked.pixel(0, y)), board) >= 3.0 &&
                     contrastRatio(QColor(marked.pixel(inner - 1, y)), box->faceColour()) >= 3.0,
                 qPrintable(name + QStringLiteral(": the mark is too faint")));
    }
    // Right takes the mark from Command4 on to Command5, and Command4 looks
    // as it did before it had the focus.
    QTest::keyClick(fresh, Qt::Key_Right);
    QVERIFY(next->hasFocus());
    QCOMPARE(fresh->grab().toImage(), plain);
    QVERIFY(next->grab().toImage() != nextPlain);
}

} // namespace

class ScreenTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowsAreLaidOut();
    void everyTextIsReadable();
    void theFocusedBoxStandsOut();
};

// The windows of the three levels differ only in their texts, which the
// design test holds: the Easy one stands for them.
void ScreenTest::theWindowsAreLaidOut()
{
    Program program;
    auto* client = program.control<QWidget>("client");
    verifyLaidOut(client);
    // The widest target, then "&Next Number" once the time is up.
    program.startWithTarget(554);
    while (program.control<QWidget>("Command33")->isEnabled()) {
        program.board()->Timer1_Timer();
    }
    verifyLaidOut(client);

    program.item("about")->trigger();
    AboutWindow* about = program.windows->aboutWindow();
    verifyLaidOut(about);
    verifyArt(program.board()->windowIcon(), "numorra");
    verifyArt(about->windowIcon(), "aboutme");
    const QPixmap badge = about->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap();
    QCOMPARE(badge.toImage(), art("numorra", 32 * scale()));
}

// Under the light theme, the dark one, and the dark one chosen while a
// game is open; then on faces of the player's own choosing, light and dark.
void ScreenTest::everyTextIsReadable()
{
    for (const auto& [dark, changedWhileOpen] :
         {std::pair{false, false}, {true, false}, {true, true}}) {
        usePalette(dark && !changedWhileOpen);
        Program program;
        verifyReadable(program.board(), QStringLiteral("idle board"));
        program.startWithTarget(554);
        if (changedWhileOpen) {
            usePalette(true);
            Program::settle();
            // The fresh boxes take the new theme's face, a dark one.
            auto* box = program.control<FaceButton>("Command2");
            const QPoint centre = box->mapTo(program.board(), box->rect().center()) * scale();
            QVERIFY(program.board()->grab().toImage().pixelColor(centre).lightness() < 128);
            // The fresh boxes take the new theme's button face.
        }
        verifyReadable(program.board(), QStringLiteral("board in a game"));
        // The dark red target is lightened only as far as a dark face needs.
        const QColor target =
            program.control<QLabel>("Label1")->palette().color(QPalette::WindowText);
        QCOMPARE(target.hue(), 0);
        QVERIFY(!dark || contrastRatio(target, darkPalette().color(QPalette::Button)) < 5.0);
        program.item("about")->trigger();
        verifyReadable(program.windows->aboutWindow(), QStringLiteral("About"));
        for (const QColor own : {QColor(255, 255, 160), QColor(0, 0, 96), QColor(128, 0, 0)}) {
            program.customColours(own);
            verifyReadable(program.board(), QStringLiteral("board on ") + own.name());
        }
    }
}

// The focused box, fresh and opened, differs from its unfocused look by a
// mark whose outermost pixels stand out 3:1 from the board around the box
// and whose innermost from the box's face, under either theme and on any
// face; the arrow keys take it along.
void ScreenTest::theFocusedBoxStandsOut()
{
    for (const bool dark : {false, true}) {
        for (const std::optional<QColor>& own :
             {std::optional<QColor>(), std::optional(QColor(255, 255, 160)),
              std::optional(QColor(0, 0, 96)), std::optional(QColor(255, 0, 0)),
              std::optional(QColor(60, 60, 60))}) {
            usePalette(dark);
            const QString where = QStringLiteral("%1 theme, on %2")
                                      .arg(dark ? "dark" : "light",
                                           own ? own->name() : QStringLiteral("the default"));
            Program program;
            if (own) {
                program.customColours(*own);
            }
            verifyFocusMark(program, where);
        }
    }
}

QTEST_MAIN(ScreenTest)
#include "screen_test.moc"
