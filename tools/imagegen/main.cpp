// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the game's pictures into the folder named on the command line.
// The regenerate script beside this file puts them where the game reads them.

#include "images.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <functional>

int main(int argc, char** argv)
{
    // Only images are drawn; no window is ever shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    if (!emblemFontAvailable()) {
        std::fprintf(stderr, "the Comfortaa font is not installed (Debian package fonts-comfortaa)\n");
        return 1;
    }

    const std::pair<const char*, std::function<QImage()>> outputs[] = {
        {"background1.png", woodTexture},
        {"background2.png", leavesTexture},
        {"background3.png", grassTexture},
        {"background4.png", waterTexture},
        {"cell.png", cellStrip},
        {"mistake.png", mistakeMark},
        {"logo.png", [] { return emblem(100); }},
        // Sources of the multi-size icon file, which Qt cannot write itself, and the
        // desktop's icon theme sizes.
        {"icon-256.png", [] { return emblem(256); }},
        {"icon-128.png", [] { return emblem(128); }},
        {"icon-64.png", [] { return emblem(64); }},
        {"icon-48.png", [] { return emblem(48); }},
        {"icon-32.png", [] { return emblem(32); }},
        {"icon-16.png", [] { return emblem(16); }},
    };
    for (const auto& [name, make] : outputs) {
        const QString path = folder.filePath(name);
        // Quality 0 asks for the strongest PNG compression; it only costs time.
        if (!make().save(path, "PNG", 0)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
