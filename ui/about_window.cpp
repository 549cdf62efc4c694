#include "ui/about_window.h"

#include "ui/colours.h"
#include "ui/control_builder.h"
#include "ui/design.h"
#include "ui/face_button.h"
#include "ui/handler_guard.h"
#include "ui/icons.h"
#include "ui/qt_text.h"
#include "ui/return_presses.h"

#include <QCloseEvent>
#include <QLabel>

namespace numorra::ui {

namespace {

constexpr int kImageSize = 32;

} // namespace

AboutWindow::AboutWindow(const Services& services)
    : QWidget(nullptr), messages_(services.messageBox(this)),
      guard_(std::make_unique<HandlerGuard>(*messages_, services.endProgram))
{
    setObjectName(QStringLiteral("aboutme"));
    setWindowTitle(toQString(kAboutCaption));
    setWindowIcon(aboutIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kAboutClient.toPixels().size());
    // The face is a fixed light grey whatever the theme, so its text is the
    // design's own dark text rather than the theme's, which may be light.
    const QColor grey = toQColor(kAboutBackground, palette());
    const QColor text = toQColor(kAboutText, palette());
    QPalette face = palette();
    face.setColor(QPalette::Window, grey);
    face.setColor(QPalette::WindowText, text);
    face.setColor(QPalette::ButtonText, text);
    setPalette(face);
    setAutoFillBackground(true);

    ControlBuilder build(*this);
    const AboutDesign& design = aboutDesign();
    auto& image = build.image(design.image1);
    build.label(design.label1);
    build.label(design.label2);
    build.label(design.label4);
    image.setPixmap(applicationIcon().pixmap(QSize(kImageSize, kImageSize), devicePixelRatioF()));
    image.setAccessibleName(QStringLiteral("Numorra badge"));
    auto& ok = build.faceButton(design.command1);
    ok.setFaceColour(grey);
    connect(&ok, &QPushButton::clicked, this,
            [this] { guard_->run("Command1_Click", [this] { emit closed(); }); });
    (new ReturnPresses(this))->watch(ok);
    ok.setFocus();
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

} // namespace numorra::ui
