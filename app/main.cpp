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
    // Heard from here on, even in a box the window's making opens: until the window is made
    // there is nothing to keep, and the game ends at once.
    StopSignals stopSignals;
    MainWindow* made = nullptr;
    QObject::connect(&stopSignals, &StopSignals::received, [&made] {
        if (made)
            made->Leave();
        else
            QCoreApplication::exit(0);
    });
    useLanguage(application);
    DrawingSurface::askRendererOf(QCoreApplication::applicationFilePath());
    MainWindow window;
    if (stopSignals.arrived())
        return 0;
    made = &window;
    // Whenever the game must end with nobody there to answer, the game in progress is kept
    // without asking. A logout may yet be cancelled, so then the game only saves and goes on.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &window,
        [&window](QSessionManager&) { window.SaveWithoutAsking(); });
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &window, &MainWindow::Leave);
    // A puzzle file to play, as a file manager or the command line gives it.
    const QStringList arguments = QCoreApplication::arguments();
    window.StartUp(arguments.size() == 2 ? arguments[1] : QString());
    // Told to stop in a box of the start, before the event loop runs, which would forget it.
    if (stopSignals.arrived())
        return 0;
    return application.exec();
}
