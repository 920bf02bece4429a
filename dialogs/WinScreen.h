// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScoreBook.h"

#include <QDialog>

class QLabel;
class Session;

namespace Ui {
class WinScreen;
}

// "Congratulations!": the time and faults of the game just won, the best game and the win
// count of its size and mode, the puzzle's difficulty, and the size and mode of the next
// game; a picture solved shows above them in its colours. Accepted means "New Game",
// rejected means "Quit", ShowSolution "Show Solution" and Pictures "Pictures…", the gallery.
class WinScreen : public QDialog {
    Q_OBJECT

public:
    static constexpr int ShowSolution = 2;
    static constexpr int Pictures = 3;

    explicit WinScreen(QWidget* parent = nullptr);
    ~WinScreen() override;

    /* sizeIndex 0..5 in menu order, modeIndex 0..2 (Beginner, Normal, Expert) */
    void SetSelection(int sizeIndex, int modeIndex);
    int SelectedSize() const;
    int SelectedMode() const;
    // Decimal texts: this game's time and faults, the best time and faults, the win count.
    void SetScores(const QString& time, const QString& faults, const QString& bestTime, const QString& bestFaults,
        const QString& wins);
    // The puzzle's difficulty: its band's name, the hardest technique's name (none leaves
    // the line empty) and the solver's deductions and sweeps.
    void SetDifficulty(const QString& band, const QString& technique, int deductions, int sweeps);
    // All three for the session's game just won, with its record as the win left it; the
    // next game's size and mode start as this one's.
    // The next game's size is offered as the one won, or as checkedSize after a puzzle of
    // another size.
    void ShowWin(const Session& session, const ScoreBook::Record& record, int checkedSize);
    // The picture solved, at most pictureSide pixels square, above the texts.
    void SetPicture(const QImage& picture);

    static constexpr int pictureSide = 120;
    Ui::WinScreen* ui;

private:
    QLabel* picture_ = nullptr;
};
