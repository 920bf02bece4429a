#include "MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // The user's data folder is named after the application, whatever the program file is
    // called; the desktop file name lets the desktop match the window to its launcher.
    QApplication::setApplicationName("tessarin");
    QApplication::setDesktopFileName("org.tessarin.Tessarin");
    MainWindow window;
    window.StartUp();
    return application.exec();
}
