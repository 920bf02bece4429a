// SPDX-License-Identifier: GPL-3.0-or-later
#include "FramePainter.h"

#include "AssetFolder.h"
#include "BoardPanel.h"
#include "BoardScene.h"
#include "CellStrip.h"
#include "ClueSet.h"
#include "DifficultyBands.h"
#include "GameWords.h"
#include "ParticleSystem.h"
#include "PuzzleGrid.h"
#include "PuzzleSizes.h"
#include "SceneGeometry.h"
#include "Session.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {

using SceneGeometry::cellPitch;
using SceneGeometry::clueStep;

// How far a number may reach from its start point, so that neighbouring numbers never read
// as one. Column numbers start 5 pixels into their cell and need only keep 2 pixels from the
// next cell: the next number's inset adds to the gap. Row numbers start at the left edge of
// touching slots, so a condensed one stops 5 pixels short of the next slot (or of the grid),
// clearly more than the space between its own two digits.
constexpr int columnClueInset = 5;
constexpr qreal columnClueReach = cellPitch - columnClueInset - 2;
constexpr qreal rowClueReach = clueStep - 5;
// The info text keeps this far inside its box, and further from the clues beside and below.
constexpr int infoPadding = 3;
constexpr int infoClueGap = 5;
// The small print under the info text shrinks no further (points at the board's scale; about
// 11 board pixels), so that a small window still shows a readable code: a line too wide is
// condensed, as clue numbers are, and one that would be condensed too far breaks at a space.
constexpr qreal smallestPrint = 8.0;
constexpr qreal mostCondensed = 0.7;
// In the reveal the last cell, in the bottom-right corner, begins to turn this share of the
// time after the first; each cell turns in the rest.
constexpr double revealLag = 0.6;

QColor clueColour(bool dimmed, bool hovered, const ClueHover& hover, const BoardLook& look, qreal opacity)
{
    QColor colour = dimmed ? look.dimmedClueText : look.clueText;
    double share = dimmed ? look.dimmedAlpha : 1.0;
    if (hovered) {
        colour = hover.colour;
        share = dimmed ? look.dimmedHighlightAlpha : 1.0;
    }
    colour.setAlpha(static_cast<int>(colour.alpha() * float(share * opacity)));
    return colour;
}

// The font, made smaller if need be, in which the text fits the room on that device.
QFont fontFitting(QFont font, const QString& text, QSizeF room, QPaintDevice* device)
{
    for (int step = 0; step < 40; ++step) {
        const QSizeF size = QFontMetricsF(font, device).boundingRect(QRectF(), Qt::AlignCenter, text).size();
        if (size.width() <= room.width() && size.height() <= room.height())
            break;
        // Glyphs do not shrink in exact proportion, so the guess is checked again.
        const qreal ratio = std::min(room.width() / size.width(), room.height() / size.height());
        font.setPointSizeF(std::max(1.0, std::min(font.pointSizeF() * ratio, font.pointSizeF() - 0.25)));
    }
    return font;
}

// One line of small print and how far it is condensed to fit.
struct PrintLine {
    QString text;
    qreal squeeze;
};

// The small print's lines in that font, each fitting width: condensed when slightly too wide,
// broken at the space nearest its middle when condensing would make it hard to read.
std::vector<PrintLine> printLines(const QStringList& lines, const QFont& font, qreal width, QPaintDevice* device)
{
    const QFontMetricsF metrics(font, device);
    std::vector<PrintLine> laid;
    QStringList pending = lines;
    while (!pending.isEmpty()) {
        const QString line = pending.takeFirst();
        const qreal squeeze = std::min(1.0, width / metrics.horizontalAdvance(line));
        const int middle = int(line.size()) / 2;
        const qsizetype before = line.lastIndexOf(' ', middle);
        const qsizetype after = line.indexOf(' ', middle);
        const qsizetype space = before < 0      ? after
            : after < 0                         ? before
            : middle - before <= after - middle ? before
                                                : after;
        if (squeeze >= mostCondensed || space < 0) {
            laid.push_back({line, std::max(squeeze, mostCondensed)});
            continue;
        }
        pending.prepend(line.mid(space + 1));
        pending.prepend(line.left(space));
    }
    return laid;
}

QPen linePen(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

// A frame usually redraws a few cells' worth of the window: what lies wholly outside the
// painter's clip is not drawn at all, which is much cheaper than having it clipped away.
class Visible {
public:
    explicit Visible(const QPainter& painter)
        : clipped_(painter.hasClipping())
        , area_(clipped_ ? painter.clipBoundingRect() : QRectF())
    {
    }
    // A rectangle in the painter's current coordinates, a little larger than what is drawn
    // in it.
    bool shows(const QRectF& rect) const { return !clipped_ || area_.intersects(rect); }

private:
    bool clipped_;
    QRectF area_;
};

} // namespace

// Matched lines and finished runs fade back so the eye goes to what is still open.
bool FramePainter::dimmed(const ClueSet& clues, bool isRow, int line, int k, int entry)
{
    return entry <= 0 || clues.numberSettled(isRow, line, k);
}

FramePainter::FramePainter()
    : cellTexture_(CellStrip::load(AssetFolder::read("Images//cell.png")))
    , clueFont_(QStringLiteral("Comfortaa"))
{
    clueFont_.setPixelSize(20);
    clueFont_.setWeight(QFont::Bold);
    for (int value = 0; value < int(clueInkRights_.size()); ++value)
        clueInkRights_[value] = QFontMetricsF(clueFont_).tightBoundingRect(QString::number(value)).right();
    columnRoom_ = roomFor(columnClueReach);
    rowRoom_ = roomFor(rowClueReach);
}

// Every number too wide for the room is condensed by the same factor, the one the widest
// needs. Text drawn under a new transform gets glyph caches of its own, and the GL engine
// keeps only four per font: a factor per number made every frame of a board with several
// two-digit clues upload its glyphs afresh, and the GL driver's memory grew with it.
FramePainter::ClueRoom FramePainter::roomFor(qreal reach) const
{
    const qreal widest = *std::max_element(clueInkRights_.begin(), clueInkRights_.end());
    return {reach, std::min(1.0, reach / widest)};
}

qreal FramePainter::clueInkRight(int value) const
{
    if (value >= 0 && value < int(clueInkRights_.size()))
        return clueInkRights_[value];
    return QFontMetricsF(clueFont_).tightBoundingRect(QString::number(value)).right();
}

void FramePainter::paintStill(
    QPainter& painter, QSize windowSize, const Session& session, const BoardScene& scene) const
{
    painter.save();
    // The scene is scaled to the window: filtering keeps the tiles' thin strokes and the
    // growing fault mark from breaking into uneven steps.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Scrolled, the background moves with the board, so that a step of the wheel can move
    // the picture rather than draw it anew.
    const QPoint scrolled = scene.layout().viewport().scrolled();
    paintBackground(painter, QRect(QPoint(0, 0), windowSize), -scrolled, scene.background());

    painter.save();
    toBoard(painter, scene.layout().transform());
    if (showsBoard(session))
        paintBoard(painter, session, scene, true);
    switch (session.phase()) {
    case Session::Phase::Creating: paintMessage(painter, windowSize, scene, tr("Creating puzzle...")); break;
    case Session::Phase::Paused: paintMessage(painter, windowSize, scene, tr("Paused")); break;
    default: break;
    }
    painter.restore();
    if (showsBoard(session) && scene.layout().viewport().cluesPinned())
        paintPinnedClues(painter, session, scene);
    painter.restore();
}

// Each pinned band is the plate as it stands there, over the background, with its clues and
// the grid's outline along its inner edge; the cells scrolled under it are hidden.
void FramePainter::paintPinnedClues(QPainter& painter, const Session& session, const BoardScene& scene) const
{
    const Viewport& viewport = scene.layout().viewport();
    const Viewport::Placement& placement = viewport.placement();
    // Each band's background moves with it: the row clues' up and down, the column clues'
    // sideways, the corner's not at all.
    const QPoint scrolled = viewport.scrolled();
    struct Band {
        QRect area;
        const ViewTransform* transform;
        QPoint backgroundAt;
    };
    const Band bands[] = {{viewport.rowCluesBand(), &placement.rowClues, QPoint(0, -scrolled.y())},
        {viewport.columnCluesBand(), &placement.columnClues, QPoint(-scrolled.x(), 0)},
        {viewport.cornerBand(), &placement.corner, QPoint(0, 0)}};
    const QRect due = painter.hasClipping() ? painter.clipBoundingRect().toAlignedRect() : viewport.placement().room;
    const QPixmap& background = scene.background();
    for (const Band& band : bands) {
        if (!band.area.intersects(due))
            continue;
        painter.save();
        painter.setClipRect(band.area, Qt::IntersectClip);
        painter.fillRect(band.area, Qt::black);
        paintBackground(painter, band.area, band.backgroundAt, background);
        toBoard(painter, *band.transform);
        paintBoard(painter, session, scene, false);
        painter.restore();
    }
}

void FramePainter::paintBackground(QPainter& painter, const QRect& area, QPoint origin, const QPixmap& texture)
{
    if (texture.isNull())
        return;
    const auto wrap = [](int at, int length) { return ((at % length) + length) % length; };
    const QPoint start = area.topLeft() - origin;
    painter.drawTiledPixmap(area, texture, QPoint(wrap(start.x(), texture.width()), wrap(start.y(), texture.height())));
}

bool FramePainter::showsBoard(const Session& session)
{
    const Session::Phase phase = session.phase();
    return phase == Session::Phase::Playing || phase == Session::Phase::Celebrating
        || phase == Session::Phase::Replaying || phase == Session::Phase::Solved
        || (phase == Session::Phase::Finished && session.revealsPicture());
}

void FramePainter::paintMoving(
    QPainter& painter, QSize windowSize, const Session& session, const BoardScene& scene) const
{
    if (!showsBoard(session))
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const Viewport& viewport = scene.layout().viewport();
    // What the cells show stays with them, under the pinned clues.
    const auto onCells = [&](auto draw) {
        painter.save();
        if (viewport.cluesPinned())
            painter.setClipRect(viewport.cellsView(), Qt::IntersectClip);
        toBoard(painter, scene.layout().transform());
        draw();
        painter.restore();
    };
    const ViewState& view = scene.view();
    if (scene.cursorShown(session))
        onCells([&] { paintCursor(painter, session, scene); });
    if (view.faultMark.state() == QTimeLine::Running && !scene.mistake().isNull())
        onCells([&] { paintFaultMark(painter, view, scene.mistake()); });
    if (view.hintShown)
        paintHintOverlay(painter, windowSize, session, scene);
    if (scene.particlesOn())
        onCells([&] { scene.particles().drawAll(painter); });
    painter.restore();
}

// The cell the keys act on, outlined in the lit clues' colour, which says whether marks mode
// is on.
void FramePainter::paintCursor(QPainter& painter, const Session& session, const BoardScene& scene) const
{
    const ViewState& view = scene.view();
    const QPoint corner = scene.layout().cellCorner(view.cursorColumn, view.cursorRow);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(linePen(hoverColour(session), 2.5));
    painter.drawRect(QRectF(corner, QSizeF(cellPitch, cellPitch)).adjusted(1, 1, -1, -1));
    painter.restore();
}

QColor FramePainter::hoverColour(const Session& session)
{
    return session.game().marking() ? QColor(0, 0, 230) : QColor(200, 0, 0);
}

void FramePainter::toBoard(QPainter& painter, const ViewTransform& transform)
{
    painter.translate(transform.offsetX, transform.offsetY);
    painter.scale(transform.scale, transform.scale);
}

void FramePainter::paintBoard(QPainter& painter, const Session& session, const BoardScene& scene, bool withCells) const
{
    if (!scene.panel().image.isNull())
        scene.panel().draw(painter, 1.0);
    const QPoint origin = scene.layout().origin();
    // The lit clues say whether marks mode is on.
    ClueHover hover = scene.view().hover;
    hover.colour = hoverColour(session);
    paintClues(painter, session.clues(), origin, hover, 1.0);
    if (withCells && revealed(session)) {
        paintPicture(painter, session, origin);
    } else if (withCells) {
        paintCells(painter, session.board(), origin, 1.0);
        if (session.game().marking())
            paintMarksFrame(painter, session, origin);
    } else {
        paintOutline(painter, session.board(), origin);
    }
    paintInfo(painter, session, scene.infoFont());
}

// Marks mode shows on the board itself, around the cells, in the colour of its marks and its
// lit clues, so that the player sees it wherever the pointer is.
void FramePainter::paintMarksFrame(QPainter& painter, const Session& session, QPoint origin) const
{
    const QRectF frame = SceneGeometry::marksFrame(origin, session.columns(), session.rows())
                             .adjusted(SceneGeometry::inkReach, SceneGeometry::inkReach, -SceneGeometry::inkReach,
                                 -SceneGeometry::inkReach);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(linePen(hoverColour(session), 3.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(frame.adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
    painter.restore();
}

void FramePainter::paintClues(
    QPainter& painter, const ClueSet& clues, QPoint origin, const ClueHover& hover, qreal opacity) const
{
    painter.setFont(clueFont_);
    const Visible visible(painter);
    // Entry 0 is the run at the far end of the line, so it sits nearest the cells and each
    // later entry steps away from the board. Numbers start at their slot's left edge.
    for (int x = 0; x < int(clues.columnClues.size()); ++x) {
        const std::vector<int>& list = clues.columnClues[x];
        if (!visible.shows(SceneGeometry::columnCluesArea(origin, x)))
            continue;
        for (int k = 0; k < int(list.size()); ++k) {
            painter.setPen(clueColour(dimmed(clues, false, x, k, list[k]), x == hover.column, hover, look_, opacity));
            paintClueNumber(painter,
                QPoint(origin.x() + cellPitch * x + columnClueInset, origin.y() - 5 - clueStep * k), std::abs(list[k]),
                columnRoom_);
        }
    }
    for (int y = 0; y < int(clues.rowClues.size()); ++y) {
        const std::vector<int>& list = clues.rowClues[y];
        if (!visible.shows(SceneGeometry::rowCluesArea(origin, y)))
            continue;
        for (int k = 0; k < int(list.size()); ++k) {
            painter.setPen(clueColour(dimmed(clues, true, y, k, list[k]), y == hover.row, hover, look_, opacity));
            paintClueNumber(painter, QPoint(origin.x() - clueStep - clueStep * k, origin.y() + cellPitch * y + 20),
                std::abs(list[k]), rowRoom_);
        }
    }
}

void FramePainter::paintClueNumber(QPainter& painter, QPoint start, int value, const ClueRoom& room) const
{
    const QString text = QString::number(value);
    if (clueInkRight(value) <= room.reach) {
        painter.drawText(start, text);
        return;
    }
    // Narrower, not smaller: the digits keep their height and baseline, so a condensed "12"
    // still lines up with the "3" beside it.
    painter.save();
    painter.translate(start);
    painter.scale(room.squeeze, 1);
    painter.drawText(QPoint(0, 0), text);
    painter.restore();
}

void FramePainter::paintCells(QPainter& painter, const PuzzleGrid& board, QPoint origin, qreal opacity) const
{
    painter.save();
    painter.setOpacity(opacity);
    paintGrid(painter, board, origin);
    // Tiles go over the grid: their transparent edges decide how much of it shows.
    const Visible visible(painter);
    for (int x = 0; x < board.width; ++x)
        for (int y = 0; y < board.height; ++y)
            if (visible.shows(SceneGeometry::cellArea(origin, x, y)))
                paintTile(painter, board.cells[x][y], origin, x, y);
    paintBlockSeparators(painter, board, origin, opacity);
    painter.restore();
}

void FramePainter::paintGrid(QPainter& painter, const PuzzleGrid& board, QPoint origin) const
{
    painter.setBrush(Qt::NoBrush);
    const int left = origin.x();
    const int top = origin.y();
    const int right = left + cellPitch * board.width;
    const int bottom = top + cellPitch * board.height;
    // Inner lines stop a pixel short of the outline so the two do not double up where they
    // meet.
    paintOutline(painter, board, origin);
    for (int i = 1; i < board.width; ++i)
        painter.drawLine(QPoint(left + cellPitch * i, top + 1), QPoint(left + cellPitch * i, bottom - 1));
    for (int j = 1; j < board.height; ++j)
        painter.drawLine(QPoint(left + 1, top + cellPitch * j), QPoint(right - 1, top + cellPitch * j));
}

void FramePainter::paintTile(QPainter& painter, int code, QPoint origin, int x, int y) const
{
    if (code >= 1 && code <= 4)
        painter.drawPixmap(origin + QPoint(cellPitch * x, cellPitch * y), cellTexture_,
            QRect(cellPitch * code, 0, cellPitch, cellPitch));
}

// Blocks of five make counting along a long line easy; the outline already bounds the last
// block, so the border gets no separator.
void FramePainter::paintBlockSeparators(QPainter& painter, const PuzzleGrid& board, QPoint origin, qreal opacity) const
{
    const int left = origin.x();
    const int top = origin.y();
    const int right = left + cellPitch * board.width;
    const int bottom = top + cellPitch * board.height;
    QColor separator = look_.blockSeparator;
    separator.setAlpha(static_cast<int>(separator.alpha() * opacity));
    painter.setPen(linePen(separator, 2.0));
    for (int j = 5; j < board.height; j += 5)
        painter.drawRect(QRect(left, top + cellPitch * j - 1, right - left - 1, 2));
    for (int i = 5; i < board.width; i += 5)
        painter.drawRect(QRect(left + cellPitch * i - 1, top, 2, bottom - top - 1));
}

bool FramePainter::revealed(const Session& session)
{
    const Session::Phase phase = session.phase();
    return session.revealsPicture()
        && (phase == Session::Phase::Celebrating || phase == Session::Phase::Finished
            || phase == Session::Phase::Solved);
}

// Each filled cell in its colour, edge to edge, as pixels of the picture; the outline stays.
// The colours sweep in from the top-left corner, each cell fading from its tile to its colour
// (or to nothing, where the picture is empty) while the grid fades away.
void FramePainter::paintPicture(QPainter& painter, const Session& session, QPoint origin) const
{
    const std::vector<int>& colours = session.puzzle().colours;
    const PuzzleGrid& board = session.board();
    const int columns = session.columns();
    const double shown = session.revealShown();
    const int diagonals = std::max(1, columns + session.rows() - 2);
    const Visible visible(painter);
    painter.save();
    if (shown < 1) {
        painter.setOpacity(1 - shown);
        paintGrid(painter, board, origin);
    }
    for (int y = 0; y < session.rows(); ++y)
        for (int x = 0; x < columns; ++x) {
            const QRect cell(origin + QPoint(cellPitch * x, cellPitch * y), QSize(cellPitch, cellPitch));
            if (!visible.shows(cell))
                continue;
            const int colour = colours[std::size_t(y) * std::size_t(columns) + std::size_t(x)];
            const double own = std::clamp((shown - revealLag * (x + y) / diagonals) / (1 - revealLag), 0.0, 1.0);
            if (own < 1) {
                painter.setOpacity(colour >= 0 ? 1 : 1 - own);
                paintTile(painter, board.cells[std::size_t(x)][std::size_t(y)], origin, x, y);
            }
            if (colour >= 0 && own > 0) {
                painter.setOpacity(own);
                painter.fillRect(cell, QColor::fromRgb(QRgb(colour)));
            }
        }
    painter.setOpacity(1);
    if (shown < 1)
        paintBlockSeparators(painter, board, origin, 1 - shown);
    paintOutline(painter, board, origin);
    painter.restore();
}

void FramePainter::paintOutline(QPainter& painter, const PuzzleGrid& board, QPoint origin) const
{
    painter.setPen(linePen(look_.gridLine, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(origin, QSize(cellPitch * board.width, cellPitch * board.height)));
}

void FramePainter::paintInfo(QPainter& painter, const Session& session, const QFont& infoFont) const
{
    const ClueSet& clues = session.clues();
    painter.setPen(look_.infoText);
    const QRect box = SceneGeometry::infoBox(clues.widestRowClue(), clues.widestColumnClue());
    if (!Visible(painter).shows(box))
        return;
    const QString text = GameWords::mode(session.game().mode()) + '\n' + tr("Time: %1").arg(session.seconds()) + '\n'
        + tr("Faults: %1").arg(session.game().faults());
    // The difficulty and the puzzle's code go below, in small print.
    QStringList small;
    // The band in plain words; the technique is the hint's and the replay's to teach, and
    // the word's tool tip's.
    if (session.difficulty().hardestTechnique > 0)
        small << tr("Difficulty: %1")
                     .arg(GameWords::difficulty(bandOf(session.difficulty(), session.columns(), session.rows())));
    // A generated puzzle is named by its code, any other by its title and author.
    const Puzzle& puzzle = session.puzzle();
    // A picture's title would give it away before it is solved; its credit is in About.
    const bool picture = puzzle.origin.kind == PuzzleOrigin::Kind::Gallery;
    if (session.code())
        small << QString::fromStdString(session.code()->text());
    else if (!puzzle.title.empty() && (!picture || revealed(session)))
        small << QString::fromStdString(puzzle.title);
    if (!session.code() && !picture && !puzzle.author.empty())
        small << tr("by %1").arg(QString::fromStdString(puzzle.author));
    if (puzzle.verdict == PuzzleVerdict::Kind::Several)
        small << tr("More than one solution");
    const QString smallText = small.join('\n');
    // A long time or a small box would push the text over the box's edge; it shrinks instead.
    const QRect room = box.adjusted(infoPadding, infoPadding, -infoPadding - infoClueGap, -infoPadding - infoClueGap);
    if (smallText.isEmpty()) {
        painter.setFont(fontFitting(infoFont, text, room.size(), painter.device()));
        painter.drawText(room, Qt::AlignCenter, text);
        return;
    }

    // The small lines are often wider than a box of four clue slots: they shrink to the
    // box's width on their own rather than make the three lines above them smaller, and take
    // at most half its height, but never below the smallest print.
    QFont smallFont = fontFitting(infoFont, smallText, QSizeF(room.width(), room.height() / 2.0), painter.device());
    smallFont.setPointSizeF(std::max(smallFont.pointSizeF(), smallestPrint));
    const std::vector<PrintLine> print = printLines(small, smallFont, room.width(), painter.device());
    const qreal lineHeight = QFontMetricsF(smallFont, painter.device()).height();
    const qreal smallHeight = lineHeight * qreal(print.size());
    painter.setFont(fontFitting(
        infoFont, text, QSizeF(room.width(), std::max(1.0, room.height() - smallHeight)), painter.device()));
    const qreal textHeight = painter.boundingRect(QRectF(room), Qt::AlignCenter, text).height();
    qreal top = room.top() + (room.height() - textHeight - smallHeight) / 2;
    painter.drawText(QRectF(room.left(), top, room.width(), textHeight), Qt::AlignCenter, text);
    painter.setFont(smallFont);
    top += textHeight;
    // Condensed about the box's middle, like the clue numbers: narrower, not smaller.
    for (const PrintLine& line : print) {
        painter.save();
        painter.translate(room.center().x(), top);
        painter.scale(line.squeeze, 1);
        const qreal wide = room.width() / line.squeeze;
        painter.drawText(QRectF(-wide / 2, 0, wide, lineHeight), Qt::AlignCenter, line.text);
        painter.restore();
        top += lineHeight;
    }
}

void FramePainter::paintFaultMark(QPainter& painter, const ViewState& view, const QPixmap& mark) const
{
    // The mark grows from its top-left corner to twice its size while it fades out.
    const qreal t = view.faultMark.currentValue();
    const qreal k = 1 + t;
    painter.save();
    painter.setOpacity(1 - t);
    painter.scale(k, k);
    painter.drawPixmap(
        QPoint(static_cast<int>(view.faultCorner.x() / k), static_cast<int>(view.faultCorner.y() / k)), mark);
    painter.restore();
}

void FramePainter::paintHintOverlay(
    QPainter& painter, QSize windowSize, const Session& session, const BoardScene& scene) const
{
    const ClueSet& clues = session.clues();
    const ViewState& view = scene.view();
    if (scene.layout().viewport().cluesPinned()) {
        // The line shows in two parts, its clues pinned apart from its cells: the shade is
        // what is left of the window, in window pixels, rectangles that only touch.
        const QRegion shade = QRegion(QRect(QPoint(0, 0), windowSize))
            - scene.layout().lineInWindow(
                view.hintIsRow, view.hintLine, clues.widestRowClue(), clues.widestColumnClue());
        for (const QRect& rect : shade)
            painter.fillRect(rect, QColor(0, 0, 0, 128));
        return;
    }
    const QRect band = SceneGeometry::lineBand(scene.layout().origin(), view.hintIsRow, view.hintLine,
        clues.widestRowClue(), clues.widestColumnClue(), session.columns(), session.rows());
    const int left = band.left();
    const int right = band.right();
    const int top = band.top();
    const int bottom = band.bottom();

    // Four rectangles around the band, in board pixels, each reaching a pixel past the
    // window's edge. They only touch, so the shade is an even 50% everywhere.
    const ViewTransform& transform = scene.layout().transform();
    const float s = transform.scale;
    const float ox = float(transform.offsetX);
    const float oy = float(transform.offsetY);
    const float w = float(windowSize.width());
    const float h = float(windowSize.height());
    const int windowTop = static_cast<int>(-oy / s - 1);
    const int windowHeight = static_cast<int>(h / s + 2);

    painter.save();
    toBoard(painter, transform);
    painter.setPen(QColor(0, 0, 0, 0));
    painter.setBrush(QColor(0, 0, 0, 128));
    painter.drawRect(
        QRect(static_cast<int>(-ox / s - 1), windowTop, static_cast<int>(ox / s + left + 1), windowHeight));
    painter.drawRect(QRect(right, windowTop, static_cast<int>(w / s - right + 1), windowHeight));
    painter.drawRect(QRect(left, windowTop, right - left, static_cast<int>(oy / s + top + 1)));
    painter.drawRect(QRect(left, bottom, right - left, static_cast<int>(h / s - bottom + 1)));
    painter.restore();
}

void FramePainter::paintMessage(QPainter& painter, QSize windowSize, const BoardScene& scene, const QString& text) const
{
    const ViewTransform& transform = scene.layout().transform();
    const float s = transform.scale;
    // The whole window, in board pixels.
    const QRect window(static_cast<int>(-transform.offsetX / s), static_cast<int>(-transform.offsetY / s),
        static_cast<int>(windowSize.width() / s), static_cast<int>(windowSize.height() / s));
    painter.setPen(Qt::white);
    painter.setFont(scene.infoFont());
    painter.drawText(window, Qt::AlignCenter, text);
}
