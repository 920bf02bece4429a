// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BoardInput.h"
#include "BoardNavigation.h"
#include "BoardScene.h"
#include "Design.h"
#include "DesignerWindow.h"
#include "DrawingSurface.h"
#include "GalleryPicture.h"
#include "GameKeeper.h"
#include "GameMenus.h"
#include "GameSettings.h"
#include "Prompt.h"
#include "ReplayBar.h"
#include "ScoreBook.h"
#include "ScrollBars.h"
#include "Session.h"

#include <QElapsedTimer>
#include <QMainWindow>

#include <memory>
#include <optional>

class QTimer;
class SoundBank;
namespace Ui {
class MainWindow;
}

// The game's one window. The play session makes and plays the puzzles; the window hands it the
// pointer and the keys, runs the menu commands through it, advances it every 10 ms and answers
// what it reports: the scene with particles and the fault mark, sounds, menus, and at the end
// the win screen. A box opens only after the tick or event that asked for it has returned.
// While nothing moves, the tick sleeps.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Builds the whole game, hidden and idle. Assets are read from the game's asset folder.
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows the window, then plays the puzzle file given, or resumes the saved game, or starts
    // the first puzzle.
    void StartUp(const QString& puzzleFile = {});
    // Plays the puzzle of a file in the checked mode; a file that cannot be opened gets one
    // box with its path and why, and the game in progress goes on. False then.
    bool OpenPuzzleFile(const QString& path);
    // Plays a picture of the gallery as it was left, if it was begun, or else afresh in the
    // checked mode.
    void StartPicture(const GalleryPicture& picture);
    const std::vector<GalleryPicture>& gallery() const { return gallery_; }
    // The board of a picture begun and not finished: the one in play, or one kept when left.
    std::optional<PuzzleGrid> begunBoard(const GalleryPicture& picture) const;
    void StartNewGame(int columns, int rows, int mode);
    // Plays a design in the checked mode, or as it was left if it was begun, as the picture
    // of "My designs" it is kept as.
    void StartDesign(const Design& design);
    // The designer, made the first time it is asked for; hidden until shown.
    DesignerWindow& designer();
    // The gallery's pictures and, in the album "My designs", the player's designs.
    std::vector<GalleryPicture> pictures() const;
    // Keeps a design in "My designs" in place of the one with that id; says why when it
    // cannot.
    bool KeepDesign(const Design& design, const std::string& replacing);
    // The puzzle a code names, in that mode; the Size and Difficulty menus follow it.
    void StartPuzzle(const PuzzleCode& code, int mode, bool searching = false);
    // False when "tessarin.ini" could not be written; the store says why. Unless always, it is
    // written only when a setting changed since the last write.
    bool SaveSettings(bool always = true);
    // Keeps the game in progress and the settings without a box: the session is ending, or
    // the game was told to stop, and nobody may be there to answer.
    void SaveWithoutAsking();
    // The same, then nothing more is written and the game quits, whatever box is open: every
    // box returns at once, and any box opened after it too.
    void Leave();

    // For tests and the soak tool: what is played and shown, the form's entries, the files.
    const Session& session() const { return session_; }
    const BoardScene& scene() const { return scene_; }
    Ui::MainWindow* form() const { return ui_; }
    const GameMenus& menus() const { return *menus_; }
    QWidget* drawingSurface() const { return surface_->widget(); }
    QTimer* tickTimer() const { return tickTimer_; }
    const ReplayBar* replayBar() const { return replayBar_; }
    const ScrollBars* scrollBars() const { return scrollBars_; }
    GameFiles& files() { return keeper_.files(); }

public slots:
    void MenuNewGame();
    void MenuOpenFile();
    void MenuPictures();
    void MenuAboutPuzzle();
    void MenuEnterCode();
    void MenuNewDesign();
    void MenuTodaysPuzzle();
    void MenuRestart();
    void MenuShowSolution();
    void MenuHint();
    void MenuMarking();
    void MenuPause();
    void Tick();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectCommands();
    void applySwitches();
    void answer(const Session::Events& events);
    // The window below the menu bar, less the replay's controls while they show.
    QSize boardRoom() const;
    void replay(ReplayBar::Command command);
    // The replay's controls show while it runs, and its step's line stands out as a hint's does.
    void followReplay();
    // The tick runs every 10 ms while anything moves or is being made, and otherwise sleeps
    // until the clock's next second, the replay's next step, the end of the last sound or,
    // with music on, a second; with nothing due it sleeps until input, a command or a new
    // window size wakes it.
    void paceTick();
    bool restless() const;
    void wakeTick();
    void recordWin();
    // The win screen, once the dissolve's last bursts have faded; after the tick.
    void FinishGame();
    // A game in play (or asking whether to save) that the player has begun.
    bool gameStarted() const;
    // The game in play is left for another.
    void leaveGame();
    // Logic found no next step: says so, and offers a cell of the solution when it is known.
    void offerCell(bool outOfTime);
    // A kept game's puzzle, or the gallery's picture or the design it names.
    Puzzle keptPicture(const Puzzle& kept) const;
    // The puzzle a picture of the gallery or of "My designs" is played as.
    Puzzle puzzleOf(const GalleryPicture& picture) const;
    // A design code typed at Enter Puzzle Code: played, or why not.
    void enterDesignCode(const QString& typed);
    // The files opened last, newest first; those gone since are greyed out.
    void fillRecentMenu();
    // The player moved or zoomed the view.
    void viewMoved();
    // After a command: the menus follow the session, and what changed is kept soon.
    void followCommand();

    Ui::MainWindow* ui_;
    // Read once at the start; empty when the file could not be read, which galleryError_ says.
    std::vector<GalleryPicture> gallery_;
    QString galleryError_;
    Session session_;
    BoardScene scene_;
    GameKeeper keeper_ {
        *this, session_, [this] { return gameStarted(); }, [this](bool always) { return SaveSettings(always); }};
    GameSettings settings_;
    // As last written to "tessarin.ini"; none before the first write.
    std::optional<GameSettings> writtenSettings_;
    std::unique_ptr<GameMenus> menus_;
    BoardInput input_ {
        session_, scene_, [this](const Session::Events& events) { answer(events); }, [this] { wakeTick(); }};
    BoardNavigation navigation_ {scene_, [this] { viewMoved(); }};
    // "Save your game?" is open: play and the clock stand still.
    bool asking_ = false;
    // The win screen is due, open or was shown for the game in play, with the record as the
    // win left it: a finished game shows it once, whatever box opens after it.
    bool winScreenDue_ = false;
    QTimer* tickTimer_ = nullptr;
    // The tick has stopped until something wakes it: nothing is due.
    bool asleep_ = false;
    // Time between ticks, for the session's clock.
    QElapsedTimer sinceLastTick_;
    // Without an audio device it stays silent.
    std::unique_ptr<SoundBank> sounds_;
    // Made when first asked for; a window of its own, which lives as long as this one.
    std::unique_ptr<DesignerWindow> designer_;
    // Owned by the central widget, as its layout is.
    DrawingSurface* surface_;
    ScrollBars* scrollBars_;
    ReplayBar* replayBar_;
};
