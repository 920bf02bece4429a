#include "GameSettings.h"

#include "StorageFolder.h"

#include <QSettings>
#include <QStringList>

#include <variant>

namespace {

// How the text stored for a key becomes a value.
enum class Reading {
    Index, // an integer, usable when it indexes the key's choices
    Switch, // on only for the exact text "true", so a hand-edited "True" or "1" is off
    Flag, // Qt's text-to-boolean conversion: empty, "0" and "false" in any case are false
    Label, // one of the key's choices, compared exactly
};

using Field = std::variant<int GameSettings::*, bool GameSettings::*, QString GameSettings::*>;

struct Key {
    const char* group;
    const char* name;
    Field field;
    Reading reading;
    QStringList choices; // Index and Label only
};

// Every key, in the order it is written. A key that is missing or holds nothing usable
// keeps the default of a fresh GameSettings.
const Key keys[] = {
    {"settings", "background", &GameSettings::background, Reading::Index, {"Wood", "Leaves", "Grass", "Water"}},
    {"settings", "particlesOn", &GameSettings::particlesOn, Reading::Switch, {}},
    {"settings", "soundOn", &GameSettings::soundOn, Reading::Switch, {}},
    {"settings", "musicOn", &GameSettings::musicOn, Reading::Switch, {}},
    {"settings", "newPlayer", &GameSettings::newPlayer, Reading::Flag, {}},
    {"settings", "highContrast", &GameSettings::highContrast, Reading::Switch, {}},
    {"lastGame", "lastSize", &GameSettings::lastSize, Reading::Label,
        {"5x5", "10x5", "10x10", "15x10", "15x15", "20x15"}},
    {"lastGame", "lastMode", &GameSettings::lastMode, Reading::Label, {"Beginner", "Normal", "Expert"}},
};

QString pathOf(const Key& key)
{
    return QString(key.group) + '/' + key.name;
}

void read(const Key& key, const QVariant& stored, GameSettings& into)
{
    switch (key.reading) {
    case Reading::Index: {
        const int index = stored.toInt();
        if (index >= 0 && index < key.choices.size())
            into.*std::get<int GameSettings::*>(key.field) = index;
        break;
    }
    case Reading::Switch: into.*std::get<bool GameSettings::*>(key.field) = stored.toString() == "true"; break;
    case Reading::Flag: into.*std::get<bool GameSettings::*>(key.field) = stored.toBool(); break;
    case Reading::Label:
        if (key.choices.contains(stored.toString()))
            into.*std::get<QString GameSettings::*>(key.field) = stored.toString();
        break;
    }
}

// Switches go to the file as words rather than INI booleans, as the game always kept them.
QVariant stored(int value)
{
    return value;
}
QVariant stored(bool value)
{
    return QString(value ? "true" : "false");
}
QVariant stored(const QString& value)
{
    return value;
}

} // namespace

GameSettings GameSettings::load()
{
    GameSettings settings;
    const QSettings file(StorageFolder::settingsPath(), QSettings::IniFormat);
    for (const Key& key : keys) {
        const QVariant value = file.value(pathOf(key));
        if (value.isValid())
            read(key, value, settings);
    }
    return settings;
}

bool GameSettings::save() const
{
    QSettings file(StorageFolder::settingsPath(), QSettings::IniFormat);
    for (const Key& key : keys)
        file.setValue(pathOf(key), std::visit([this](auto field) { return stored(this->*field); }, key.field));
    file.sync();
    return file.status() == QSettings::NoError;
}
