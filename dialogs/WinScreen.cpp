// SPDX-License-Identifier: GPL-3.0-or-later
#include "WinScreen.h"

#include "Choices.h"
#include "PuzzleSizes.h"
#include "ScoreText.h"
#include "Session.h"
#include "TechniqueNames.h"
#include "ui_WinScreen.h"

#include <QPushButton>

WinScreen::WinScreen(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::WinScreen)
{
    ui->setupUi(this);
    ui->buttonBox->addButton("New Game", QDialogButtonBox::AcceptRole);
    ui->buttonBox->addButton("Quit", QDialogButtonBox::RejectRole);
    connect(ui->buttonBox->addButton("Show Solution", QDialogButtonBox::ActionRole), &QPushButton::clicked, this,
        [this] { done(ShowSolution); });
    addChoices(ui->sizeComboBox, ui->modeComboBox);
}

WinScreen::~WinScreen()
{
    delete ui;
}

void WinScreen::SetSelection(int sizeIndex, int modeIndex)
{
    ui->sizeComboBox->setCurrentIndex(sizeIndex);
    ui->modeComboBox->setCurrentIndex(modeIndex);
}

int WinScreen::SelectedSize() const
{
    return ui->sizeComboBox->currentIndex();
}

int WinScreen::SelectedMode() const
{
    return ui->modeComboBox->currentIndex();
}

void WinScreen::SetScores(
    const QString& time, const QString& faults, const QString& bestTime, const QString& bestFaults, const QString& wins)
{
    ui->yourScoreLabel->setText("Your Time: " + ScoreText::sentence(time, faults));
    ui->bestScoreLabel->setText("Best Time: " + ScoreText::sentence(bestTime, bestFaults));
    ui->winsLabel->setText(ScoreText::wins(wins));
}

void WinScreen::SetDifficulty(const QString& technique, int deductions, int sweeps)
{
    if (technique.isEmpty()) {
        ui->difficultyLabel->clear();
        return;
    }
    const auto counted = [](int count, const char* one, const char* many) {
        return QString::number(count) + ' ' + (count == 1 ? one : many);
    };
    ui->difficultyLabel->setText("Difficulty: " + technique + " (" + counted(deductions, "deduction", "deductions")
        + " in " + counted(sweeps, "sweep", "sweeps") + ")");
}

void WinScreen::ShowWin(const Session& session, const ScoreBook::Record& record)
{
    const Game& game = session.game();
    SetSelection(sizeIndexOf(session.columns(), session.rows()), game.mode() - Beginner);
    SetScores(QString::number(session.seconds()), QString::number(game.faults()), record.bestTime, record.bestFaults,
        record.wins);
    const Difficulty& difficulty = session.difficulty();
    SetDifficulty(techniqueName(difficulty.hardestTechnique), difficulty.deductions, difficulty.sweeps);
    // Selectable, so that it can be copied and passed on.
    ui->codeLabel->setText(
        session.code() ? "Puzzle code: " + QString::fromStdString(session.code()->text()) : QString());
}
