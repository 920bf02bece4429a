// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the gallery's pictures from an emoji set: each drawing that is not a person, a hand, a
// flag or a symbol is rendered, made into a puzzle at the sizes where its silhouette still
// reads as itself, and kept where logic finishes it, from the fewest given cells when it
// cannot from none. Writes the gallery file, contact sheets of what was kept for a person to
// look at, and the list of the drawings used.
//
// usage: tessarin-gallery-maker EMOJI-FOLDER CLDR-ANNOTATIONS GALLERY-FILE SHEETS-FOLDER
#include "Albums.h"
#include "EmojiSource.h"
#include "GalleryFile.h"
#include "PictureProof.h"
#include "Rasteriser.h"
#include "TechniqueTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

// A drawing is kept at the smallest of these sizes (its longer side) where its silhouette
// still reads as itself, and again ten cells larger, where its detail shows.
constexpr int sides[] = {10, 15, 20, 25};
constexpr int largerBy = 10;
constexpr int largestSide = 30;
// A silhouette nearly all filled, or nearly empty, or with about one run a line, reads as a
// blob, whatever it was drawn as.
constexpr double leastFill = 0.25;
constexpr double mostFill = 0.8;
constexpr double leastRuns = 1.35;

// No side of a picture is shorter than this: a narrower board is a strip, not a picture.
constexpr int shortestSide = 10;

CellPicture silhouetteAt(const Rasteriser& rasteriser, int longSide)
{
    return rasteriser.cells(rasteriser.sizeFor(longSide));
}

bool readsAsItself(const CellPicture& cells)
{
    if (std::min(cells.columns, cells.rows) < shortestSide)
        return false;
    const double fill = cells.fill();
    return fill >= leastFill && fill <= mostFill && cells.runsPerLine() >= leastRuns;
}

PuzzleGrid solutionOf(const CellPicture& cells)
{
    GalleryPicture picture;
    picture.columns = cells.columns;
    picture.rows = cells.rows;
    picture.colours = cells.colours;
    return picture.solution();
}

void drawSheet(const std::vector<GalleryPicture>& pictures, const QString& path)
{
    constexpr int tile = 128;
    constexpr int across = 8;
    const int down = int((pictures.size() + across - 1) / across);
    QImage sheet(across * tile, down * tile, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const GalleryPicture& picture = pictures[i];
        const QPoint corner(int(i % across) * tile, int(i / across) * tile);
        const int cell = std::max(1, 100 / std::max(picture.columns, picture.rows));
        for (int y = 0; y < picture.rows; ++y)
            for (int x = 0; x < picture.columns; ++x)
                if (picture.filled(x, y))
                    painter.fillRect(corner.x() + 4 + x * cell, corner.y() + 4 + y * cell, cell, cell, Qt::black);
        painter.setPen(Qt::darkGray);
        painter.drawText(QRect(corner.x(), corner.y() + tile - 22, tile, 20), Qt::AlignCenter,
            QString::fromStdString(picture.titles[0]));
    }
    sheet.save(path);
}

} // namespace

int main(int argc, char* argv[])
{
    // Text on the contact sheets needs a font, so a GUI application (regenerate runs it on the
    // offscreen platform).
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 5) {
        std::fprintf(stderr, "usage: tessarin-gallery-maker EMOJI-FOLDER CLDR-ANNOTATIONS GALLERY-FILE SHEETS\n");
        return 2;
    }
    std::vector<EmojiDrawing> drawings;
    QString why;
    if (!readEmojiSet(arguments[1], arguments[2], drawings, why)) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }
    std::vector<GalleryPicture> pictures;
    std::map<QString, int> dropped;
    for (const EmojiDrawing& drawing : drawings) {
        const QString album = albumOf(drawing.name, drawing.category);
        if (album.isEmpty()) {
            ++dropped["not a picture for the gallery"];
            continue;
        }
        // A title the player reads in English in a German game would give the picture away
        // in the wrong words: newer emoji than the annotations know stay out.
        if (std::any_of(drawing.titles.begin(), drawing.titles.end(), [](const QString& t) { return t.isEmpty(); })) {
            ++dropped["no title in every language"];
            continue;
        }
        Rasteriser rasteriser;
        if (!rasteriser.load(drawing.svg)) {
            ++dropped["could not be drawn"];
            continue;
        }
        // The smallest size it reads at, then ten cells more.
        std::vector<int> tried;
        for (const int side : sides) {
            if (readsAsItself(silhouetteAt(rasteriser, side))) {
                tried = {side};
                if (side + largerBy <= largestSide)
                    tried.push_back(side + largerBy);
                break;
            }
        }
        if (tried.empty())
            ++dropped["a blob at every size"];
        for (const int side : tried) {
            const CellPicture cells = silhouetteAt(rasteriser, side);
            if (!readsAsItself(cells)) {
                ++dropped[QStringLiteral("a blob at %1").arg(side)];
                continue;
            }
            if (int(cells.palette.size()) > galleryColours) {
                ++dropped["too many colours"];
                continue;
            }
            const PuzzleGrid solution = solutionOf(cells);
            // About one cell in a hundred given at most: more, and the picture is more given
            // than solved.
            const PictureProof proof = provePicture(solution, std::max(1, cells.columns * cells.rows / 100));
            if (!proof.finished) {
                ++dropped[QStringLiteral("logic needs too many givens at %1").arg(side)];
                continue;
            }
            GalleryPicture picture;
            picture.id = QStringLiteral("%1-%2x%3").arg(drawing.name).arg(cells.columns).arg(cells.rows).toStdString();
            picture.album = album.toStdString();
            picture.columns = cells.columns;
            picture.rows = cells.rows;
            picture.technique = proof.technique;
            picture.palette = cells.palette;
            picture.colours = cells.colours;
            picture.givens = proof.givens;
            for (std::size_t i = 0; i < galleryLanguages.size(); ++i)
                picture.titles[i] = drawing.titles[i].toStdString();
            pictures.push_back(std::move(picture));
        }
    }
    // Each album from small and easy to large and hard.
    std::stable_sort(pictures.begin(), pictures.end(), [](const GalleryPicture& a, const GalleryPicture& b) {
        const auto albumIndex
            = [](const GalleryPicture& p) { return albums().indexOf(QString::fromStdString(p.album)); };
        return std::make_tuple(albumIndex(a), a.columns * a.rows, a.technique, a.id)
            < std::make_tuple(albumIndex(b), b.columns * b.rows, b.technique, b.id);
    });

    QFile out(arguments[3]);
    const std::string text = "# The gallery's pictures, made by tools/gallery from Fluent Emoji (flat), MIT licence,\n"
                             "# Copyright (c) Microsoft Corporation. One picture a line: see gallery/GalleryFile.h.\n"
        + writeGallery(pictures);
    if (!out.open(QIODevice::WriteOnly) || out.write(text.data(), qint64(text.size())) != qint64(text.size())
        || !out.flush()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(arguments[3]), qPrintable(out.errorString()));
        return 1;
    }
    QDir().mkpath(arguments[4]);
    for (const QString& album : albums()) {
        std::vector<GalleryPicture> kept;
        for (const GalleryPicture& picture : pictures)
            if (picture.album == album.toStdString())
                kept.push_back(picture);
        drawSheet(kept, arguments[4] + '/' + album.toLower() + ".png");
        std::printf("%-12s %4zu pictures\n", qPrintable(album), kept.size());
    }
    std::map<int, int> bySide;
    std::size_t large = 0;
    for (const GalleryPicture& picture : pictures) {
        ++bySide[std::max(picture.columns, picture.rows)];
        large += picture.columns * picture.rows >= 400;
    }
    std::printf("%zu pictures from %zu drawings, %zu of 400 cells or more\n", pictures.size(), drawings.size(), large);
    for (const auto& [side, count] : bySide)
        std::printf("longer side %2d: %4d pictures\n", side, count);
    for (const auto& [reason, count] : dropped)
        std::printf("dropped %5d: %s\n", count, qPrintable(reason));
    return 0;
}
