// The floor: the smallest Qt Widgets program that shows one main window
// with a menu bar, built with the game's flags. Start-up and memory of the
// game are measured against it.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    const QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.menuBar()->addMenu(QStringLiteral("&Game"));
    window.resize(389, 339);
    window.show();
    return QApplication::exec();
}
