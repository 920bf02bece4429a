// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BoardLayout.h"
#include "BoardPanel.h"
#include "FramePainter.h"
#include "ParticleSystem.h"
#include "Session.h"
#include "StillLayer.h"
#include "ViewState.h"

#include <QFont>
#include <QPixmap>
#include <QRegion>

// Everything the player sees of a session, and what the picture is made of: where the board
// stands, the lit clues and the cursor, the fault mark, the particles, the background and the
// board's plate, and the painter. It answers what the session reports with particles and the
// fault mark, and says which part of the window needs a new frame.
class BoardScene {
public:
    // Loads the fault mark and the cell strip from the game's asset folder.
    BoardScene();

    // False when the background's texture could not be read; the window is then plain.
    bool setBackground(int index);
    bool mistakeLoaded() const { return !mistake_.isNull(); }
    void setHighContrast(bool on);
    void setParticlesOn(bool on) { particlesOn_ = on; }
    bool particlesOn() const { return particlesOn_; }

    // The session's new phase: a new board is laid out once, "Creating puzzle..." fills the
    // window, a pause and the replay darken the lit clues.
    void showPhase(const Session& session, QSize window, int menuBarHeight);
    // The session's new board: laid out, its plate built, fitted to the window (or zoomed to
    // cells large enough to play, when fitting makes them too small), the keys' cursor on the
    // first cell.
    void showBoard(const Session& session, QSize window, int menuBarHeight);
    void showCreating(QSize window, int menuBarHeight);
    // The window's size, the menu bar's height and the scroll bars' thickness, which take
    // from the window's right and bottom edges while the board overflows it.
    void setRoom(QSize window, int menuBarHeight);
    void setScrollBarThickness(int thickness) { barThickness_ = thickness; }

    // Zoom and scrolling, in window pixels; see Viewport.
    void zoom(int steps, QPoint around) { layout_.viewport().zoom(steps, around); }
    void fitBoard() { layout_.viewport().fitScene(); }
    void scrollBy(QPoint windowPixels) { layout_.viewport().scrollBy(windowPixels); }
    void scrollTo(QPoint scrolled) { layout_.viewport().scrollTo(scrolled); }
    // Scrolls the keys' cursor, or a line's first cells and its clues, into view.
    void bringCursorIntoView();
    void bringLineIntoView(bool isRow, int line);

    // Particles where cells were entered or dissolved, the fault mark where a fault was
    // counted or mended.
    void answer(const Session::Event& event);
    void clearParticles() { particles_.clearAll(); }
    bool particlesAlive() const { return particlesOn_ && particles_.anyAlive(); }
    // One tick of the particles; the fault mark runs on its own timer.
    void animate();

    void setHover(int column, int row);
    // Lights the cursor's column and row clues, as the hovered cell's are.
    void showCursor();
    // Whether the keys' cursor is outlined: in play, once the keys were used, while they lead.
    bool cursorShown(const Session& session) const
    {
        return session.phase() == Session::Phase::Playing && view_.keysUsed && view_.cursorLeads;
    }
    // Darkens all but the line, scrolled into view.
    void showHint(bool isRow, int line);
    void hideHint();
    // The hinted line and its clue numbers, in window pixels: what the hint's box must not cover.
    QRect hintBand(const Session& session) const;
    // The board's cells as they show in the window: what a question about them must leave in
    // view.
    QRect cellsArea(const Session& session) const;

    // The part of the window whose picture changed since the last time this was asked, in
    // window pixels; empty when nothing did.
    QRegion takeFrame(const Session& session, QSize windowSize);

    // The window's frame, with the painter's origin at the window's top-left corner; only
    // the painter's clip region costs drawing.
    void paint(QPainter& painter, QSize windowSize, const Session& session);

    const BoardLayout& layout() const { return layout_; }
    ViewState& view() { return view_; }
    const ViewState& view() const { return view_; }
    const BoardPanel& panel() const { return panel_; }
    const QPixmap& background() const { return background_; }
    const QPixmap& mistake() const { return mistake_; }
    const QFont& infoFont() const { return infoFont_; }
    const ParticleSystem& particles() const { return particles_; }
    const FramePainter& painter() const { return painter_; }
    // Counts the changes of background, look and plate, each of which restyles the whole
    // window.
    int styleRevision() const { return styleRevision_; }

private:
    // The plate in the background's and the look's colours, for a new board or the same one.
    void rebuildPanel(int columns, int rows, int rowClueSlots, int columnClueSlots);
    void restylePanel();

    BoardLayout layout_;
    ViewState view_;
    int backgroundIndex_ = 0;
    bool highContrast_ = false;
    bool particlesOn_ = true;
    QPixmap background_;
    QPixmap mistake_;
    QFont infoFont_;
    BoardPanel panel_;
    ParticleSystem particles_;
    FramePainter painter_;
    StillLayer still_;
    int styleRevision_ = 0;
    int barThickness_ = 0;
    // The game whose board is laid out.
    int shownGame_ = 0;
    // Where the moving layer drew in the last frame, in window pixels, and the hint it showed.
    QRect particlesShown_;
    QRect faultMarkShown_;
    QRect cursorShown_;
    bool cursorMarking_ = false;
    bool hintShown_ = false;
    bool hintShownIsRow_ = false;
    int hintShownLine_ = -1;
};
