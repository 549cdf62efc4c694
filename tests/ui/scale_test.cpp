// The windows at the screen scale the test is run with (QT_SCALE_FACTOR):
// exactly that many device pixels per logical pixel, vector icons drawn at
// that resolution, and no control clipped or overlapping another.
#include "tests/board/level_facts.h"
#include "tests/ui/program.h"
#include "ui/about_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

using namespace numorra;
using namespace numorra::ui;
using namespace numorra::ui::fixture;

namespace {

// Room a button or text box needs around its text.
constexpr int kTextMargin = 6;

double expectedScale()
{
    return qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
               ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
               : 1.0;
}

// The controls a player sees, with the rectangles they take up.
QList<QWidget*> visibleControls(QWidget* client)
{
    QList<QWidget*> shown;
    for (QWidget* child : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible()) {
            shown.append(child);
        }
    }
    return shown;
}

void verifyNothingOverlapsOrClips(QWidget* client)
{
    const QList<QWidget*> controls = visibleControls(client);
    QVERIFY(!controls.isEmpty());
    for (QWidget* control : controls) {
        const QString name = control->objectName();
        QVERIFY2(client->rect().contains(control->geometry()), qPrintable(name));
        QString text;
        if (auto* button = qobject_cast<QPushButton*>(control); button != nullptr) {
            text = QString(button->text()).remove(QLatin1Char('&'));
        } else if (auto* edit = qobject_cast<QLineEdit*>(control); edit != nullptr) {
            text = edit->text();
        } else {
            // Labels size themselves to their text, so they must keep clear
            // of the rest; buttons and text boxes keep their designed places
            // (Start and Stop share one row of pixels by design).
            for (QWidget* other : controls) {
                QVERIFY2(other == control || !control->geometry().intersects(other->geometry()),
                         qPrintable(name + QStringLiteral(" overlaps ") + other->objectName()));
            }
        }
        const QFontMetrics metrics(control->font());
        QVERIFY2(metrics.horizontalAdvance(text) + kTextMargin <= control->width(),
                 qPrintable(name));
        QVERIFY2(metrics.height() <= control->height(), qPrintable(name));
    }
}

void verifyDrawnAtScale(QWidget* window)
{
    const double scale = expectedScale();
    QCOMPARE(window->devicePixelRatioF(), scale);
    const QPixmap shot = window->grab();
    QCOMPARE(shot.size(), window->size() * scale);
    const QPixmap icon = window->windowIcon().pixmap(QSize(16, 16), scale);
    QCOMPARE(icon.size(), QSize(16, 16) * scale);
}

} // namespace

class ScaleTest : public QObject {
    Q_OBJECT

private slots:
    void boardWindowsAtScale();
    void aboutWindowAtScale();
};

void ScaleTest::boardWindowsAtScale()
{
    Program program;
    Level shown = Level::Easy;
    for (const Level level : kLevels) {
        program.windows->switchLevel(shown, level);
        shown = level;
        auto* client = program.control<QWidget>("client", level);
        QCOMPARE(client->size(), QSize(389, 320));
        verifyDrawnAtScale(program.board(level));
        verifyNothingOverlapsOrClips(client);
        // The widest target, then "&Next Number" once the time is up.
        program.startWithTarget(testing::factsOf(level).highest, level);
        while (program.control<QWidget>("Command33", level)->isEnabled()) {
            program.board(level)->Timer1_Timer();
        }
        QCOMPARE(program.control<QPushButton>("Command1", level)->text(),
                 QStringLiteral("&Next Number"));
        verifyNothingOverlapsOrClips(client);
    }
}

void ScaleTest::aboutWindowAtScale()
{
    Program program;
    program.windows->loadAbout();
    program.windows->showAbout();
    AboutWindow* about = program.windows->aboutWindow();
    QCOMPARE(about->size(), QSize(312, 211));
    verifyDrawnAtScale(about);
    verifyNothingOverlapsOrClips(about);
    const QPixmap badge = about->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap();
    QCOMPARE(badge.devicePixelRatio(), expectedScale());
    QCOMPARE(badge.size(), QSize(32, 32) * expectedScale());
}

QTEST_MAIN(ScaleTest)
#include "scale_test.moc"
