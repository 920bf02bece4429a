// SPDX-License-Identifier: GPL-3.0-or-later
#include "WinScreen.h"

#include "Choices.h"
#include "DifficultyBands.h"
#include "GameWords.h"
#include "PicturePixels.h"
#include "PuzzleSizes.h"
#include "ScoreText.h"
#include "Session.h"
#include "ui_WinScreen.h"

#include <QLabel>
#include <QPushButton>

WinScreen::WinScreen(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::WinScreen)
{
    ui->setupUi(this);
    ui->buttonBox->addButton(tr("New Game"), QDialogButtonBox::AcceptRole);
    ui->buttonBox->addButton(tr("Quit"), QDialogButtonBox::RejectRole);
    connect(ui->buttonBox->addButton(tr("Show Solution"), QDialogButtonBox::ActionRole), &QPushButton::clicked, this,
        [this] { done(ShowSolution); });
    connect(ui->buttonBox->addButton(tr("Pictures…"), QDialogButtonBox::ActionRole), &QPushButton::clicked, this,
        [this] { done(Pictures); });
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
    ui->yourScoreLabel->setText(tr("Your Time: %1").arg(ScoreText::sentence(time, faults)));
    ui->bestScoreLabel->setText(ScoreText::best(bestTime, bestFaults));
    ui->winsLabel->setText(ScoreText::wins(wins));
}

void WinScreen::SetDifficulty(const QString& band, const QString& technique, int deductions, int sweeps)
{
    if (technique.isEmpty()) {
        ui->difficultyLabel->clear();
        return;
    }
    const QString deductionCount = deductions == 1 ? tr("1 deduction") : tr("%1 deductions").arg(deductions);
    const QString sweepCount = sweeps == 1 ? tr("1 sweep") : tr("%1 sweeps").arg(sweeps);
    //: "Difficulty: Medium (Glue, 31 deductions in 4 sweeps)"
    ui->difficultyLabel->setText(tr("Difficulty: %1 (%2, %3 in %4)").arg(band, technique, deductionCount, sweepCount));
}

void WinScreen::ShowWin(const Session& session, const ScoreBook::Record& record, int checkedSize)
{
    const Game& game = session.game();
    const int size = sizeIndexOf(session.columns(), session.rows());
    SetSelection(size >= 0 ? size : checkedSize, game.mode() - Beginner);
    SetScores(QString::number(session.seconds()), QString::number(game.faults()), record.bestTime, record.bestFaults,
        record.wins);
    const Difficulty& difficulty = session.difficulty();
    SetDifficulty(GameWords::difficulty(bandOf(difficulty, session.columns(), session.rows())),
        GameWords::technique(difficulty.hardestTechnique), difficulty.deductions, difficulty.sweeps);
    // Selectable, so that it can be copied and passed on.
    const QString title = QString::fromStdString(session.puzzle().title);
    ui->codeLabel->setTextFormat(Qt::PlainText);
    ui->codeLabel->setText(session.code() ? tr("Puzzle code: %1").arg(QString::fromStdString(session.code()->text()))
            : title.isEmpty()             ? QString()
                                          : tr("You solved %1").arg(title));
    if (session.revealsPicture()) {
        const std::vector<int>& colours = session.puzzle().colours;
        const int columns = session.columns();
        SetPicture(picturePixels(columns, session.rows(), pictureSide, [&](int x, int y) {
            const int colour = colours[std::size_t(y) * std::size_t(columns) + std::size_t(x)];
            return colour >= 0 ? QColor::fromRgb(QRgb(colour)) : QColor();
        }));
    }
}

// The form places its texts one under another; the picture goes above them all.
void WinScreen::SetPicture(const QImage& picture)
{
    if (!picture_) {
        const int room = pictureSide + 10;
        for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            child->move(child->x(), child->y() + room);
        resize(width(), height() + room);
        picture_ = new QLabel(this);
        picture_->setObjectName("pictureLabel");
        picture_->setAlignment(Qt::AlignCenter);
        picture_->setGeometry(10, 10, width() - 20, pictureSide);
    }
    picture_->setPixmap(QPixmap::fromImage(picture));
}
