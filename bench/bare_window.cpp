// bare-window: the least a Qt Widgets program does to show a window, as the
// benchmark's yardstick for the start-up of notice-capture. It starts the
// application, shows one empty window and ends from the event loop, exactly as
// notice-capture --quit-after-show does with its menu.

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(568, 352); // the size of the menu
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
