// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"
#include "StopSignals.h"

#include "DrawingSurface.h"
#include "Language.h"

#include <QApplication>
#include <QSessionManager>

#include <cstring>

int main(int argc, char* argv[])
{
    if (argc == 2 && std::strcmp(argv[1], DrawingSurface::rendererArgument) == 0)
        return DrawingSurface::printRenderer(argc, argv);
    QApplication application(argc, argv);
    // The user's data folder is named after the application, whatever the program file is
    // called; the desktop file name lets the desktop match the window to its launcher.
    QApplication::setApplicationName("tessarin");
    QApplication::setDesktopFileName(TESSARIN_APP_ID);
    useLanguage(application);
    DrawingSurface::askRendererOf(QCoreApplication::applicationFilePath());
    MainWindow window;
    // Whenever the game must end with nobody there to answer, the game in progress is kept
    // without asking. A logout may yet be cancelled, so then the game only saves and goes on.
    StopSignals stopSignals;
    QObject::connect(&stopSignals, &StopSignals::received, &window, &MainWindow::Leave);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &window,
        [&window](QSessionManager&) { window.SaveWithoutAsking(); });
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &window, &MainWindow::Leave);
    window.StartUp();
    return application.exec();
}
