// The windows as drawn at the scale the test runs with (QT_SCALE_FACTOR):
// icons that are their vector art, every enabled text readable at 4.5:1
// under a light and a dark theme and on a player's own colour, and a focus
// mark that stands out on every box. Places and sizes are the state record's.
#include "tests/ui/program.h"
#include "ui/contrast.h"
#include "ui/face_button.h"

#include <QPainter>
#include <QStyle>
#include <QSvgRenderer>

#include <map>

using namespace numorra;
using namespace numorra::ui;
using namespace numorra::ui::fixture;

namespace {

const double kScale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                          ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                          : 1.0;

// Debian's qt6ct "darker" scheme (colors/darker.conf), in the order of the
// palette's roles, or the style's light one.
void usePalette(bool dark)
{
    QPalette palette = QApplication::style()->standardPalette();
    const QStringList colours = QString("#ffffff #424245 #979797 #5e5c5b #302f2e #4a4947 #ffffff "
                                        "#ffffff #ffffff #3d3d3d #222020 #e7e4e0 #12608a #f9f9f9 "
                                        "#0986d3 #a70b06 #5c5b5a")
                                    .split(' ');
    for (int role = 0; dark && role < colours.size(); ++role) {
        palette.setColor(static_cast<QPalette::ColorRole>(role), QColor(colours.at(role)));
    }
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        palette.setColor(QPalette::Disabled, role,
                         dark ? QColor(0x80, 0x80, 0x80) : palette.color(QPalette::Disabled, role));
    }
    QApplication::setPalette(palette);
}

// An icon's vector art, `pixels` square.
QImage art(const char* name, double pixels)
{
    QImage drawn(qRound(pixels), qRound(pixels), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    QSvgRenderer(QString(NUMORRA_ICON_DIR "/%1.svg").arg(name)).render(&painter);
    painter.end();
    drawn.setDevicePixelRatio(kScale);
    return drawn;
}

// Every enabled text (labels, and buttons' captions inside their bevel)
// read off the pixels: the commonest colour of its area is behind it, and
// the pixel farthest from that is the text.
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
        std::map<QRgb, int> counts;
        for (int y = qRound(area.top() * kScale); y < qRound((area.bottom() + 1) * kScale); ++y) {
            for (int x = qRound(area.left() * kScale); x < qRound((area.right() + 1) * kScale);
                 ++x) {
                ++counts[shot.pixel(x, y)];
            }
        }
        const QColor behind(std::ranges::max_element(counts, {}, [](const auto& entry) {
                                return entry.second;
                            })->first);
        double best = 0;
        for (const auto& [pixel, count] : counts) {
            best = std::max(best, contrastRatio(QColor(pixel), behind));
        }
        QVERIFY2(best >= 4.5, qPrintable(QString("%1 %2 on %3: %4:1")
                                             .arg(where, control->objectName(), behind.name())
                                             .arg(best, 0, 'f', 2)));
    }
}

} // namespace

class ScreenTest : public QObject {
    Q_OBJECT

private slots:
    void iconsAreTheirArt();
    void everyTextIsReadable();
    void theFocusedBoxStandsOut();
};

// At each size offered to a window system, and for the About window's
// badge, the icon is its art drawn at the scale, pixel for pixel.
void ScreenTest::iconsAreTheirArt()
{
    Program program;
    program.item("about")->trigger();
    AboutWindow* about = program.windows->aboutWindow();
    for (const auto& [icon, name] : {std::pair{program.board()->windowIcon(), "numorra"},
                                     std::pair{about->windowIcon(), "aboutme"}}) {
        for (const int size : {16, 24, 32, 48, 64}) {
            QCOMPARE(icon.pixmap(QSize(size, size), kScale)
                         .toImage()
                         .convertToFormat(QImage::Format_ARGB32_Premultiplied),
                     art(name, size * kScale));
        }
    }
    QCOMPARE(about->findChild<QLabel*>("Image1")->pixmap().toImage(), art("numorra", 32 * kScale));
}

// Under the light theme, the dark one, and the dark one chosen while a game
// is open (the fresh boxes take its dark face); then on faces of the
// player's own. The dark red target is lightened only as far as a dark face needs.
void ScreenTest::everyTextIsReadable()
{
    for (const auto& [dark, changedWhileOpen] :
         {std::pair{false, false}, {true, false}, {true, true}}) {
        usePalette(dark && !changedWhileOpen);
        Program program;
        verifyReadable(program.board(), "idle board");
        program.startWithTarget(554);
        if (changedWhileOpen) {
            usePalette(true);
            Program::settle();
            auto* box = program.control<FaceButton>("Command2");
            const QPoint centre = box->mapTo(program.board(), box->rect().center()) * kScale;
            QVERIFY(program.board()->grab().toImage().pixelColor(centre).lightness() < 128);
        }
        verifyReadable(program.board(), "board in a game");
        const QColor target =
            program.control<QLabel>("Label1")->palette().color(QPalette::WindowText);
        QCOMPARE(target.hue(), 0);
        QVERIFY(!dark || contrastRatio(target, QColor(0x42, 0x42, 0x45)) < 5.0);
        program.item("about")->trigger();
        verifyReadable(program.windows->aboutWindow(), "About");
        for (const QColor own : {QColor(255, 255, 160), QColor(0, 0, 96), QColor(128, 0, 0)}) {
            program.customColours(own);
            verifyReadable(program.board(), "board on " + own.name());
        }
    }
}

// The focused box, fresh and opened, differs from its unfocused look by a
// mark whose outermost pixels stand out 3:1 from the board around it and
// whose innermost from its face, under either theme and on any face; Right
// takes it on to the next box and leaves the box as it was.
void ScreenTest::theFocusedBoxStandsOut()
{
    for (const bool dark : {false, true}) {
        for (const QColor own : {QColor(), QColor(255, 255, 160), QColor(0, 0, 96),
                                 QColor(255, 0, 0), QColor(60, 60, 60)}) {
            usePalette(dark);
            const QString where =
                QString("%1 theme, on %2").arg(dark ? "dark" : "light", own.name());
            Program program;
            if (own.isValid()) {
                program.customColours(own);
            }
            Program::activate(program.board());
            program.startWithTarget(554); // held by no box
            auto* opened = program.control<FaceButton>("Command3");
            auto* fresh = program.control<FaceButton>("Command4");
            auto* next = program.control<FaceButton>("Command5");
            QTest::mouseClick(opened, Qt::LeftButton);
            opened->clearFocus();
            const QImage nextPlain = next->grab().toImage();
            QImage plain;
            for (FaceButton* box : {opened, fresh}) {
                const QString name = where + ' ' + box->objectName();
                plain = box->grab().toImage();
                box->setFocus();
                const QImage marked = box->grab().toImage();
                // Along the middle row from the left edge in: the mark is what changed.
                const int y = marked.height() / 2;
                int inner = 0;
                while (inner < marked.width() / 2 &&
                       marked.pixel(inner, y) != plain.pixel(inner, y)) {
                    ++inner;
                }
                QVERIFY2(inner > 0, qPrintable(name + " shows no mark at its edge"));
                QVERIFY2(contrastRatio(QColor(marked.pixel(0, y)), program.faceShown()) >= 3.0 &&
                             contrastRatio(QColor(marked.pixel(inner - 1, y)), box->faceColour()) >=
                                 3.0,
                         qPrintable(name + ": the mark is too faint"));
            }
            QTest::keyClick(fresh, Qt::Key_Right);
            QVERIFY(next->hasFocus());
            QCOMPARE(fresh->grab().toImage(), plain);
            QVERIFY(next->grab().toImage() != nextPlain);
        }
    }
}

QTEST_MAIN(ScreenTest)
#include "screen_test.moc"
