// Every enabled text on screen keeps 4.5:1 against what is behind it,
// measured on the rendered pixels, under the standard light palette and a
// dark desktop theme's, on the theme's face and on a player's own colour.
#include "tests/ui/program.h"
#include "ui/about_window.h"
#include "ui/colours.h"
#include "ui/contrast.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>

#include <map>

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

QTEST_MAIN(ContrastTest)
#include "contrast_test.moc"
