// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameMenus.h"

#include "Backgrounds.h"
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
    , backgroundGroup_(new QActionGroup(owner))
{
    // Made from the tables of sizes and modes; an entry carries its choice as data, since its
    // words are the player's language.
    for (int index = 0; index < puzzleSizeCount; ++index)
        addChoice(form_.menuSize, sizeGroup_, QString::fromLatin1(puzzleSizes[index].label), index);
    for (int mode = Beginner; mode <= Expert; ++mode)
        addChoice(form_.menuMode, modeGroup_, GameWords::mode(mode), mode);
    form_.menuMode->setToolTipsVisible(true);
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
