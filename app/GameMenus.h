// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GameSettings.h"

class QAction;
class QActionGroup;
class QMenu;
class QObject;
class Session;
namespace Ui {
class MainWindow;
}

// The menu bar's entries as the game reads and shows them: the size and mode chosen for the
// next game, the switches, the background, and which commands the session's phase allows.
class GameMenus {
public:
    // Groups the form's size, mode and background entries; the groups belong to owner.
    GameMenus(Ui::MainWindow& form, QObject* owner);

    // Checks the entries as the settings have them; no command runs.
    void show(const GameSettings& settings);
    // The settings as the entries are checked now; newPlayer is left as it was.
    GameSettings chosen(GameSettings settings) const;

    // The chosen size (an index into puzzleSizes) and mode.
    int sizeIndex() const;
    int mode() const;
    void choose(int sizeIndex, int mode);
    // The difficulty band the next game of the chosen size is made for: the one checked,
    // or -1 for Any, and also when the chosen size does not make the one checked.
    int band() const;
    void chooseBand(int band);
    // The Size menu's entry of puzzleSizes[index], the Mode menu's entry of a mode and the
    // Difficulty menu's of a band (-1 for Any).
    QAction* sizeEntry(int index) const;
    QAction* modeEntry(int mode) const;
    QAction* bandEntry(int band) const;
    // The background entry's index (0 Wood, 1 Leaves, 2 Grass, 3 Water); -1 for another entry.
    int backgroundOf(const QAction* entry) const;
    QActionGroup* backgrounds() const { return backgroundGroup_; }

    bool particlesOn() const;
    bool soundOn() const;
    bool musicOn() const;
    bool highContrast() const;

    // Which commands the phase allows, and the marks and pause entries' check marks.
    void follow(const Session& session);

private:
    static void addChoice(QMenu* menu, QActionGroup* group, const QString& text, int value);
    // The band entry checked, made or not at the chosen size; -1 for Any.
    int checkedBand() const;
    // Greys the bands the chosen size does not make, each with a tool tip saying why.
    void offerBands();
    QAction* backgroundEntry(int index) const;

    Ui::MainWindow& form_;
    QActionGroup* sizeGroup_;
    QActionGroup* modeGroup_;
    QActionGroup* bandGroup_;
    QActionGroup* backgroundGroup_;
};
