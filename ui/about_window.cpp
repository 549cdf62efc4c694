#include "ui/about_window.h"

#include "ui/colours.h"
#include "ui/design.h"
#include "ui/face_button.h"
#include "ui/handler_guard.h"
#include "ui/icons.h"
#include "ui/placement.h"
#include "ui/qt_text.h"
#include "ui/return_presses.h"
#include "ui/windows.h"

#include <QCloseEvent>
#include <QLabel>

#include <stdexcept>

namespace numorra::ui {

namespace {

constexpr int kImageSize = 32;

} // namespace

AboutWindow::AboutWindow(Windows& windows) : QWidget(nullptr), windows_(windows)
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

    for (const ControlDesign& design : aboutControls()) {
        QWidget* widget = nullptr;
        switch (design.kind) {
        case ControlKind::Image: {
            auto* image = new QLabel(this);
            image->setPixmap(
                applicationIcon().pixmap(QSize(kImageSize, kImageSize), devicePixelRatioF()));
            image->setAccessibleName(tr("Numorra badge"));
            widget = image;
            break;
        }
        case ControlKind::Label:
            widget = new QLabel(toQString(design.text), this);
            break;
        case ControlKind::Button: {
            auto* button = new FaceButton(this);
            button->setText(toQString(design.text));
            button->setFaceColour(grey);
            connect(button, &QPushButton::clicked, this,
                    [this] { runHandler("Command1_Click", [this] { windows_.unloadAbout(); }); });
            (new ReturnPresses(this))->watch(*button);
            widget = button;
            break;
        }
        case ControlKind::TextBox:
            throw std::logic_error("the About window has no text box");
        }
        applyDesign(*widget, design);
    }
    findChild<QWidget*>(QStringLiteral("Command1"))->setFocus();
}

void AboutWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    windows_.unloadAbout();
}

} // namespace numorra::ui
