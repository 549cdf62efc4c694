// Every enabled text on screen keeps 4.5:1 against what is behind it,
// measured on the rendered pixels, under the standard light palette and a
// dark desktop theme's, on the theme's face and on a player's own colour.
#include "tests/ui/program.h"
#include "ui/about_window.h"
#include "ui/colours.h"
#include "ui/contrast.h"
#include "ui/face_button.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>

#include <map>
#include <optional>

using namespace numorra;
using namespace numorra::ui;
using namespace numorra::ui::fixture;

namespace {

// A common dark theme: Debian's qt6ct "darker" scheme, its colours in the
// order of the palette's roles (qt6ct's colors/darker.conf).
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

struct Reading {
    QColor text;
    QColor background;
    double ratio;
};

// The text drawn in `area` of `shot`: the commonest colour there is what is
// behind it, and the pixel farthest from that is the text itself (the
// edges of letters blend into the background).
Reading readText(const QImage& shot, const QRect& area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ++counts[shot.pixel(x, y)];
        }
    }
    const auto commonest = std::ranges::max_element(
        counts, [](const auto& a, const auto& b) { return a.second < b.second; });
    Reading reading{QColor(commonest->first), QColor(commonest->first), 1.0};
    for (const auto& [pixel, count] : counts) {
        const double ratio = contrastRatio(QColor(pixel), reading.background);
        if (ratio > reading.ratio) {
            reading = {QColor(pixel), reading.background, ratio};
        }
    }
    return reading;
}

// Reads every enabled text of `window` (labels, and the captions of
// buttons, inside their bevel) and fails on one below 4.5:1.
void verifyReadable(QWidget* window, const QString& where,
                    std::map<QString, Reading>* readings = nullptr)
{
    const QImage shot = window->grab().toImage();
    const qreal scale = shot.devicePixelRatio();
    for (QWidget* control : window->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(control);
        auto* button = qobject_cast<QPushButton*>(control);
        const bool text = (label != nullptr && label->pixmap().isNull()) ||
                          (button != nullptr && !button->text().isEmpty());
        if (!text || !control->isVisible() || !control->isEnabled()) {
            continue;
        }
        QRect area(control->mapTo(window, QPoint(0, 0)), control->size());
        if (button != nullptr) {
            area.adjust(4, 4, -4, -4);
        }
        const QRect pixels(area.topLeft() * scale, area.size() * scale);
        const Reading reading = readText(shot, pixels);
        const QString name = where + QLatin1Char(' ') + control->objectName();
        QVERIFY2(reading.ratio >= kReadableContrast,
                 qPrintable(QStringLiteral("%1: %2 on %3 is %4:1")
                                .arg(name, reading.text.name(), reading.background.name())
                                .arg(reading.ratio, 0, 'f', 2)));
        if (readings != nullptr) {
            readings->emplace(name, reading);
        }
    }
}

void report(const std::map<QString, Reading>& readings)
{
    for (const auto& [name, reading] : readings) {
        qInfo("%s: %s on %s, %.2f:1", qPrintable(name), qPrintable(reading.text.name()),
              qPrintable(reading.background.name()), reading.ratio);
    }
}

} // namespace

class ContrastTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextIsReadable_data();
    void everyTextIsReadable();
    void theLightDesignIsKeptAndTheTargetStaysRed();
    void theFocusedBoxStandsOut_data();
    void theFocusedBoxStandsOut();
};

void ContrastTest::everyTextIsReadable_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light palette") << false;
    QTest::newRow("dark palette") << true;
}

void ContrastTest::everyTextIsReadable()
{
    QFETCH(bool, dark);
    QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
    Program program;
    std::map<QString, Reading> readings;
    verifyReadable(program.board(), QStringLiteral("idle board"), &readings);
    program.startWithTarget(554);
    verifyReadable(program.board(), QStringLiteral("board in a game"), &readings);
    program.windows->loadAbout();
    program.windows->showAbout();
    verifyReadable(program.windows->aboutWindow(), QStringLiteral("About"), &readings);
    report(readings);

    // A face of the player's own choosing, light on a dark theme and dark
    // on a light one.
    for (const Colour own : {rgbColour(255, 255, 160), rgbColour(0, 0, 96), rgbColour(128, 0, 0)}) {
        program.picker.choose = own;
        program.item("customcolors")->trigger();
        verifyReadable(program.board(),
                       QStringLiteral("board on %1").arg(toQColor(own, {}).name()));
    }
}

void ContrastTest::theLightDesignIsKeptAndTheTargetStaysRed()
{
    QApplication::setPalette(QApplication::style()->standardPalette());
    Program program;
    program.startWithTarget(554);
    auto* target = program.control<QLabel>("Label1");
    QCOMPARE(target->palette().color(QPalette::WindowText), QColor(192, 0, 0));

    // A new theme while the window is open.
    QApplication::setPalette(darkPalette());
    Program::settle();
    const QColor lightened = target->palette().color(QPalette::WindowText);
    QCOMPARE(lightened.hue(), 0);
    QVERIFY(lightened.lightness() > QColor(192, 0, 0).lightness());
    // Only as far as the dark face needs.
    QVERIFY(contrastRatio(lightened, darkPalette().color(QPalette::Button)) < 5.0);
}

void ContrastTest::theFocusedBoxStandsOut_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<std::optional<Colour>>("background");
    for (const bool dark : {false, true}) {
        const char* theme = dark ? "dark" : "light";
        QTest::addRow("%s, default colour", theme) << dark << std::optional<Colour>();
        for (const Colour own : {rgbColour(255, 255, 160), rgbColour(0, 0, 96),
                                 rgbColour(255, 0, 0), rgbColour(60, 60, 60)}) {
            QTest::addRow("%s, on %s", theme, qPrintable(toQColor(own, {}).name()))
                << dark << std::optional<Colour>(own);
        }
    }
}

// The focused box, fresh and opened, differs from its unfocused look by a
// mark whose outermost pixels stand out 3:1 from the board around the box
// and whose innermost from the box's face; the arrow keys take it along.
void ContrastTest::theFocusedBoxStandsOut()
{
    QFETCH(bool, dark);
    QFETCH(std::optional<Colour>, background);
    QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
    Program program;
    if (background) {
        program.picker.choose = *background;
        program.item("customcolors")->trigger();
    }
    Program::activate(program.board());
    program.startWithTarget(554); // held by no box
    auto* opened = program.control<FaceButton>("Command3");
    auto* fresh = program.control<FaceButton>("Command4");
    QTest::mouseClick(opened, Qt::LeftButton);
    const QColor board = program.control<QWidget>("client")->palette().color(QPalette::Window);
    for (FaceButton* box : {opened, fresh}) {
        const QString name = box->objectName();
        box->clearFocus();
        const QImage plain = box->grab().toImage();
        box->setFocus();
        QVERIFY(box->hasFocus());
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
        const auto standsOut = [&name](const QColor& mark, const QColor& against,
                                       const char* what) {
            const double ratio = contrastRatio(mark, against);
            qInfo("%s: mark %s %s %s, %.2f:1", qPrintable(name), qPrintable(mark.name()), what,
                  qPrintable(against.name()), ratio);
            QVERIFY2(ratio >= 3.0, qPrintable(name + QStringLiteral(": the mark is too faint")));
        };
        standsOut(QColor(marked.pixel(0, y)), board, "beside the board's");
        standsOut(QColor(marked.pixel(inner - 1, y)), box->faceColour(), "on the face");
    }
    // Right takes the mark from Command4 to Command5 and leaves Command4 as
    // it was before it had the focus.
    fresh->clearFocus();
    const QImage freshPlain = fresh->grab().toImage();
    auto* next = program.control<FaceButton>("Command5");
    const QImage nextPlain = next->grab().toImage();
    fresh->setFocus();
    QTest::keyClick(fresh, Qt::Key_Right);
    QVERIFY(next->hasFocus());
    QCOMPARE(fresh->grab().toImage(), freshPlain);
    QVERIFY(next->grab().toImage() != nextPlain);
}

QTEST_MAIN(ContrastTest)
#include "contrast_test.moc"
