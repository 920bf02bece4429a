// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameSettings.h"

#include "DifficultyBands.h"
#include "GameMode.h"
#include "PuzzleSizes.h"
#include "SettingsStore.h"

#include <QStringList>

#include <algorithm>
#include <iterator>
#include <variant>

namespace {

// How the text stored for a key becomes a value.
enum class Reading {
    Index, // an integer, usable when it indexes the key's choices
    Switch, // on only for the exact text "true", so a hand-edited "True" or "1" is off
    Flag, // Qt's text-to-boolean conversion: empty, "0" and "false" in any case are false
    Label, // one of the key's choices, compared exactly
    Text, // any text
};

using Field = std::variant<int GameSettings::*, bool GameSettings::*, QString GameSettings::*>;

struct Key {
    const char* group;
    const char* name;
    Field field;
    Reading reading;
    QStringList choices; // Index and Label only
};

QStringList sizeLabels()
{
    QStringList labels;
    for (const PuzzleSize& size : puzzleSizes)
        labels << size.label;
    return labels;
}

QStringList modeLabels()
{
    QStringList labels;
    for (const char* name : modeNames)
        labels << name;
    return labels;
}

QStringList difficultyLabels()
{
    QStringList labels {"Any"};
    for (int band = 0; band < difficultyBandCount; ++band)
        labels << difficultyBands()[band].key;
    return labels;
}

// Every key, in the order it is written. A key that is missing or holds nothing usable
// keeps the default of a fresh GameSettings.
const Key keys[] = {
    {"settings", "background", &GameSettings::background, Reading::Index, {"Wood", "Leaves", "Grass", "Water"}},
    {"settings", "particlesOn", &GameSettings::particlesOn, Reading::Switch, {}},
    {"settings", "soundOn", &GameSettings::soundOn, Reading::Switch, {}},
    {"settings", "musicOn", &GameSettings::musicOn, Reading::Switch, {}},
    {"settings", "newPlayer", &GameSettings::newPlayer, Reading::Flag, {}},
    {"settings", "highContrast", &GameSettings::highContrast, Reading::Switch, {}},
    {"settings", "drawing", &GameSettings::drawing, Reading::Label, {"auto", "opengl", "raster"}},
    {"lastGame", "lastSize", &GameSettings::lastSize, Reading::Label, sizeLabels()},
    {"lastGame", "lastMode", &GameSettings::lastMode, Reading::Label, modeLabels()},
    {"lastGame", "lastDifficulty", &GameSettings::lastDifficulty, Reading::Label, difficultyLabels()},
    {"lastGame", "savedPuzzle", &GameSettings::savedPuzzle, Reading::Text, {}},
    {"lastGame", "recentFiles", &GameSettings::recentFiles, Reading::Text, {}},
};

// As Qt reads a boolean from text.
bool flag(const QString& stored)
{
    const QString text = stored.trimmed().toLower();
    return !text.isEmpty() && text != "0" && text != "false";
}

void read(const Key& key, const QString& stored, GameSettings& into)
{
    switch (key.reading) {
    case Reading::Index: {
        bool isNumber = false;
        const int index = stored.toInt(&isNumber);
        if (isNumber && index >= 0 && index < key.choices.size())
            into.*std::get<int GameSettings::*>(key.field) = index;
        break;
    }
    case Reading::Switch: into.*std::get<bool GameSettings::*>(key.field) = stored == "true"; break;
    case Reading::Flag: into.*std::get<bool GameSettings::*>(key.field) = flag(stored); break;
    case Reading::Label:
        if (key.choices.contains(stored))
            into.*std::get<QString GameSettings::*>(key.field) = stored;
        break;
    case Reading::Text: into.*std::get<QString GameSettings::*>(key.field) = stored; break;
    }
}

// Switches go to the file as words, as the game always kept them.
QString stored(int value)
{
    return QString::number(value);
}
QString stored(bool value)
{
    return value ? "true" : "false";
}
QString stored(const QString& value)
{
    return value;
}

} // namespace

bool GameSettings::operator==(const GameSettings& other) const
{
    return std::all_of(std::begin(keys), std::end(keys), [&](const Key& key) {
        return std::visit([&](auto field) { return this->*field == other.*field; }, key.field);
    });
}

GameSettings GameSettings::load(const SettingsStore& store)
{
    GameSettings settings;
    const IniDocument file = store.read();
    for (const Key& key : keys) {
        const QString value = file.value(key.group, key.name);
        if (!value.isNull())
            read(key, value, settings);
    }
    return settings;
}

bool GameSettings::save(SettingsStore& store) const
{
    const GameSettings values = *this;
    return store.change([values](IniDocument& file) {
        for (const Key& key : keys)
            file.setValue(
                key.group, key.name, std::visit([&](auto field) { return stored(values.*field); }, key.field));
    });
}
