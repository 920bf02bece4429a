// SPDX-License-Identifier: GPL-3.0-or-later
#include "HighScores.h"

#include "Choices.h"
#include "DifficultyBands.h"
#include "GameWords.h"
#include "Prompt.h"
#include "PuzzleSizes.h"
#include "ScoreBook.h"
#include "ScoreText.h"
#include "TechniqueRecord.h"
#include "ui_HighScores.h"

#include <QDate>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>

HighScores::HighScores(SettingsStore& scores, QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::HighScores)
    , scores_(scores)
{
    ui->setupUi(this);
    // Filled before connecting, so that filling reads no record; the caller asks for the
    // first one once it has chosen the selection.
    addChoices(ui->sizeComboBox, ui->modeComboBox);
    for (int band = -1; band < difficultyBandCount; ++band)
        ui->difficultyComboBox->addItem(GameWords::difficulty(band), band);
    connect(ui->modeComboBox, &QComboBox::currentIndexChanged, this, &HighScores::UpdateHighScore);
    connect(ui->difficultyComboBox, &QComboBox::currentIndexChanged, this, &HighScores::UpdateHighScore);
    connect(ui->sizeComboBox, &QComboBox::currentIndexChanged, this, &HighScores::UpdateHighScore);
    connect(ui->buttonBox, &QDialogButtonBox::clicked, this, &HighScores::ResetScores);
    ShowTechniques();
    ShowFiles();
}

HighScores::~HighScores()
{
    delete ui;
}

void HighScores::browse(SettingsStore& scores, int sizeIndex, int modeIndex, int band, QWidget* parent)
{
    HighScores dialog(scores, parent);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.SetSelection(sizeIndex, modeIndex, band);
    // Both boxes may already stand on the chosen entries, which updates nothing by itself.
    dialog.UpdateHighScore();
    dialog.exec();
}

void HighScores::SetSelection(int sizeIndex, int modeIndex, int band)
{
    ui->sizeComboBox->setCurrentIndex(sizeIndex);
    ui->modeComboBox->setCurrentIndex(modeIndex);
    ui->difficultyComboBox->setCurrentIndex(band + 1);
}

void HighScores::UpdateHighScore()
{
    const QString key = ScoreBook::sizeKey(
        puzzleSizes[ui->sizeComboBox->currentIndex()].label, ui->difficultyComboBox->currentData().toInt());
    const ScoreBook::Record record = ScoreBook::lookup(scores_, key, ui->modeComboBox->currentIndex() + 1);
    ui->highScoreLabel->setText(ScoreText::best(record.bestTime, record.bestFaults));
    ui->winsLabel->setText(ScoreText::wins(record.wins));
}

// Learning is not a score: Reset leaves it.
void HighScores::ShowTechniques()
{
    QTableWidget& table = *ui->techniqueTable;
    const TechniqueRecord::Table counts = TechniqueRecord::lookup(scores_);
    table.setColumnCount(3);
    table.setRowCount(int(counts.size()));
    table.setHorizontalHeaderLabels({tr("Technique"), tr("Hints taken"), tr("Puzzles won")});
    table.verticalHeader()->hide();
    // The counts' headings keep their whole text, in any language; the names take the rest.
    table.horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table.horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table.verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int row = 0; row < int(counts.size()); ++row) {
        const TechniqueRecord::Counts& count = counts[size_t(row)];
        const QString texts[]
            = {GameWords::technique(row + 1), QString::number(count.hints), QString::number(count.wins)};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            table.setItem(row, column, item);
        }
    }
    table.setToolTip(tr("Hints taken: the hints each technique gave you.\nPuzzles won: the puzzles you won that "
                        "needed it as their hardest technique."));
}

void HighScores::ShowFiles()
{
    const std::vector<ScoreBook::FileRecord> records = ScoreBook::fileRecords(scores_);
    ui->filesLabel->setVisible(!records.empty());
    ui->fileTable->setVisible(!records.empty());
    const int bottom = records.empty() ? ui->techniqueTable->geometry().bottom() : ui->fileTable->geometry().bottom();
    setFixedHeight(bottom + 14);
    QTableWidget& table = *ui->fileTable;
    table.setColumnCount(5);
    table.setRowCount(int(records.size()));
    table.setHorizontalHeaderLabels({tr("Title"), tr("Size"), tr("Best time"), tr("Faults"), tr("Date")});
    table.verticalHeader()->hide();
    table.horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table.horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int row = 0; row < int(records.size()); ++row) {
        const ScoreBook::FileRecord& record = records[size_t(row)];
        const QString texts[] = {record.title, record.size, record.record.bestTime, record.record.bestFaults,
            QLocale().toString(QDate::fromString(record.date, Qt::ISODate), QLocale::ShortFormat)};
        for (int column = 0; column < 5; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            table.setItem(row, column, item);
        }
    }
}

void HighScores::ResetScores(QAbstractButton* button)
{
    // Every button of the box arrives here, Close included.
    if (ui->buttonBox->standardButton(button) != QDialogButtonBox::Reset)
        return;
    if (!Prompt::ask(this, tr("<p align='center'>This will clear all high scores. Proceed?</p>")))
        return;
    ScoreBook::clearAll(scores_);
    UpdateHighScore();
    ShowFiles();
}
