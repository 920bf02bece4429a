// SPDX-License-Identifier: GPL-3.0-or-later
// What the gallery costs the player: reading the shipped gallery, opening its browser (the
// albums counted and the first album's thumbnails drawn) until it is shown, and starting a
// picture (its puzzle made, logic's work from its givens counted, the session begun), the
// median and the slowest over every picture. Run from build/game, where Pictures/ is.
//
// usage: gallery_bench [OPENINGS]   (default 20)
#include "GalleryBrowser.h"
#include "GalleryFile.h"
#include "GalleryPuzzle.h"
#include "GameMode.h"
#include "Session.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void print(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%-36s median %8.2f ms   slowest %8.2f ms\n", what, times[times.size() / 2], times.back());
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const int openings = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    QFile file("Pictures/gallery.tsv");
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "Pictures/gallery.tsv: %s\n", qPrintable(file.errorString()));
        return 1;
    }
    const std::string text = file.readAll().toStdString();
    std::vector<double> reads;
    GalleryReading reading;
    for (int i = 0; i < openings; ++i) {
        QElapsedTimer clock;
        clock.start();
        reading = readGallery(text);
        reads.push_back(clock.nsecsElapsed() / 1e6);
    }
    if (!reading.error.empty()) {
        std::fprintf(stderr, "%s\n", reading.error.c_str());
        return 1;
    }
    std::printf("%zu pictures, %zu bytes\n", reading.pictures.size(), text.size());
    print("gallery read", reads);

    std::vector<double> opens;
    for (int i = 0; i < openings; ++i) {
        QElapsedTimer clock;
        clock.start();
        GalleryBrowser browser(
            reading.pictures, {},
            [](const QString&) {
                return ScoreBook::Record {"999", "999", "0"};
            },
            [](const GalleryPicture&) { return std::optional<PuzzleGrid>(); }, "en");
        browser.show();
        QCoreApplication::processEvents();
        opens.push_back(clock.nsecsElapsed() / 1e6);
    }
    print("browser opened and shown", opens);

    std::vector<double> starts;
    Session session;
    for (const GalleryPicture& picture : reading.pictures) {
        QElapsedTimer clock;
        clock.start();
        session.begin(galleryPuzzle(picture, "en"), Normal);
        starts.push_back(clock.nsecsElapsed() / 1e6);
    }
    print("picture started", starts);
    return 0;
}
