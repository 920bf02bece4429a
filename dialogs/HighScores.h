// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QAbstractButton;
class SettingsStore;
namespace Ui {
class HighScores;
}

// Browses the stored best game and win count of each size, mode and difficulty, and per technique the
// hints it gave and the puzzles won that needed it most; Reset clears the scores (not the
// techniques) after a confirmation.
class HighScores : public QDialog {
    Q_OBJECT

public:
    // The records are read from, and cleared in, scores.
    explicit HighScores(SettingsStore& scores, QWidget* parent = nullptr);
    ~HighScores() override;
    // Opens on the given size, mode and difficulty band, modal to parent's window only,
    // until it closes.
    static void browse(SettingsStore& scores, int sizeIndex, int modeIndex, int band, QWidget* parent);

    /* sizeIndex in menu order, modeIndex 0..2 (Beginner, Normal, Expert), band -1 (Any) or
       an index into difficultyBands() */
    void SetSelection(int sizeIndex, int modeIndex, int band = -1);

    Ui::HighScores* ui;

private:
    SettingsStore& scores_;

public slots:
    void UpdateHighScore();
    void ShowTechniques();
    // The puzzles from files won, with their best games; the dialog keeps its size without any.
    void ShowFiles();
    void ResetScores(QAbstractButton* button);
};
