// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameMenus.h"

#include "Backgrounds.h"
#include "DifficultyBands.h"
#include "GameWords.h"
#include "PuzzleSizes.h"
#include "Session.h"
#include "ui_MainWindow.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include <algorithm>

GameMenus::GameMenus(Ui::MainWindow& form, QObject* owner)
    : form_(form)
    , sizeGroup_(new QActionGroup(owner))
    , modeGroup_(new QActionGroup(owner))
    , bandGroup_(new QActionGroup(owner))
    , backgroundGroup_(new QActionGroup(owner))
{
    // Made from the tables of sizes and modes; an entry carries its choice as data, since its
    // words are the player's language.
    for (int index = 0; index < puzzleSizeCount; ++index)
        addChoice(form_.menuSize, sizeGroup_, QString::fromLatin1(puzzleSizes[index].label), index);
    for (int mode = Beginner; mode <= Expert; ++mode)
        addChoice(form_.menuMode, modeGroup_, GameWords::mode(mode), mode);
    form_.menuMode->setToolTipsVisible(true);
    for (int band = -1; band < difficultyBandCount; ++band)
        addChoice(form_.menuDifficulty, bandGroup_, GameWords::difficulty(band), band);
    form_.menuDifficulty->setToolTipsVisible(true);
    QObject::connect(sizeGroup_, &QActionGroup::triggered, owner, [this] { offerBands(); });
    for (int index = 0; index < Backgrounds::count; ++index)
        backgroundGroup_->addAction(backgroundEntry(index));
    // Two keys, which the form cannot hold.
    form_.actionRedo->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
}

void GameMenus::addChoice(QMenu* menu, QActionGroup* group, const QString& text, int value)
{
    QAction* entry = menu->addAction(text);
    entry->setCheckable(true);
    entry->setData(value);
    group->addAction(entry);
}

QAction* GameMenus::sizeEntry(int index) const
{
    return sizeGroup_->actions().at(index);
}

QAction* GameMenus::modeEntry(int mode) const
{
    return modeGroup_->actions().at(mode - Beginner);
}

QAction* GameMenus::bandEntry(int band) const
{
    return bandGroup_->actions().at(band + 1);
}

QAction* GameMenus::backgroundEntry(int index) const
{
    QAction* const entries[] = {form_.actionWood, form_.actionLeaves, form_.actionGrass, form_.actionWater};
    return entries[index];
}

void GameMenus::show(const GameSettings& settings)
{
    backgroundEntry(settings.background)->setChecked(true);
    form_.actionParticles->setChecked(settings.particlesOn);
    form_.actionSound->setChecked(settings.soundOn);
    form_.actionMusic->setChecked(settings.musicOn);
    form_.actionHighContrast->setChecked(settings.highContrast);
    choose(std::max(0, sizeIndexOf(settings.lastSize.toStdString())),
        std::max(int(Beginner), modeFromName(settings.lastMode.toStdString())));
    chooseBand(findBand(settings.lastDifficulty.toLatin1().constData()));
}

GameSettings GameMenus::chosen(GameSettings settings) const
{
    settings.background = std::max(0, backgroundOf(backgroundGroup_->checkedAction()));
    settings.particlesOn = particlesOn();
    settings.soundOn = soundOn();
    settings.musicOn = musicOn();
    settings.highContrast = highContrast();
    settings.lastSize = puzzleSizes[sizeIndex()].label;
    settings.lastMode = modeName(mode());
    const int band = checkedBand();
    settings.lastDifficulty = band >= 0 ? difficultyBands()[band].key : "Any";
    return settings;
}

int GameMenus::sizeIndex() const
{
    const QAction* entry = sizeGroup_->checkedAction();
    return entry ? entry->data().toInt() : 0;
}

int GameMenus::mode() const
{
    const QAction* entry = modeGroup_->checkedAction();
    return entry ? entry->data().toInt() : int(Beginner);
}

void GameMenus::choose(int sizeIndex, int mode)
{
    sizeEntry(sizeIndex)->setChecked(true);
    modeEntry(mode)->setChecked(true);
    offerBands();
}

int GameMenus::checkedBand() const
{
    const QAction* checked = bandGroup_->checkedAction();
    return checked ? checked->data().toInt() : -1;
}

int GameMenus::band() const
{
    const int band = checkedBand();
    return band >= 0 && bandOutOfReach(sizeIndex(), band) == BandReach::Made ? band : -1;
}

void GameMenus::chooseBand(int band)
{
    bandEntry(std::clamp(band, -1, difficultyBandCount - 1))->setChecked(true);
}

// A band checked stays checked when another size does not make it: the next size that does
// is played at it again.
void GameMenus::offerBands()
{
    const PuzzleSize& size = puzzleSizes[sizeIndex()];
    for (int band = 0; band < difficultyBandCount; ++band) {
        QAction* entry = bandEntry(band);
        const BandReach reach = bandOutOfReach(sizeIndex(), band);
        entry->setEnabled(reach == BandReach::Made);
        entry->setToolTip(reach == BandReach::BeyondTheSevenTechniques ? QCoreApplication::translate("GameMenus",
                              "Not made at %1: boards up to 20x15 are made for the seven line techniques, which never "
                              "need What If.")
                                                                             .arg(size.label)
                : reach == BandReach::TooRare ? QCoreApplication::translate("GameMenus",
                      "Not made at %1: puzzles this hard are too rare at this size to be found in about a second.")
                                                    .arg(size.label)
                                              : QString());
    }
}

int GameMenus::backgroundOf(const QAction* entry) const
{
    for (int index = 0; index < Backgrounds::count; ++index)
        if (entry == backgroundEntry(index))
            return index;
    return -1;
}

bool GameMenus::particlesOn() const
{
    return form_.actionParticles->isChecked();
}

bool GameMenus::soundOn() const
{
    return form_.actionSound->isChecked();
}

bool GameMenus::musicOn() const
{
    return form_.actionMusic->isChecked();
}

bool GameMenus::highContrast() const
{
    return form_.actionHighContrast->isChecked();
}

void GameMenus::follow(const Session& session)
{
    const Game& game = session.game();
    const bool inPlay = session.inPlay();
    form_.actionHint->setEnabled(inPlay && !game.marking());
    form_.actionMarks->setEnabled(inPlay && game.mode() != Beginner);
    form_.actionMarks->setChecked(game.marking());
    form_.actionPause->setEnabled(inPlay);
    form_.actionRestart->setEnabled(inPlay);
    form_.actionShowSolution->setEnabled(session.canShowSolution());
    form_.actionPause->setChecked(session.phase() == Session::Phase::Paused);
    form_.actionUndo->setEnabled(inPlay && game.canUndo());
    form_.actionRedo->setEnabled(inPlay && game.canRedo());
    // Sizes and modes choose the next game, not one that is over.
    const Session::Phase phase = session.phase();
    const bool choosing = phase != Session::Phase::Celebrating && phase != Session::Phase::Finished;
    sizeGroup_->setEnabled(choosing);
    modeGroup_->setEnabled(choosing);
    // Beginner judges every move against the puzzle's one solution: a puzzle without one known
    // is played in Normal.
    const bool beginnerPlays
        = phase == Session::Phase::Idle || phase == Session::Phase::Creating || session.puzzle().hasOneSolution();
    modeEntry(Beginner)->setEnabled(choosing && beginnerPlays);
    modeEntry(Beginner)->setToolTip(beginnerPlays
            ? QString()
            : QCoreApplication::translate("GameMenus",
                "Beginner judges every move against the puzzle's one solution, and this puzzle has none known."));
}
