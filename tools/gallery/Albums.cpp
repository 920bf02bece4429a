// SPDX-License-Identifier: GPL-3.0-or-later
#include "Albums.h"

#include <QRegularExpression>

namespace {

bool namedWith(const QString& name, const QStringList& words)
{
    const QStringList parts = name.split('-');
    for (const QString& word : words)
        if (parts.contains(word))
            return true;
    return false;
}

} // namespace

const QStringList& albums()
{
    static const QStringList names {"Animals", "Nature", "Food", "Travel", "Objects", "Activities"};
    return names;
}

QString albumOf(const QString& name, const QString& category)
{
    static const QStringList left {"clock", "oclock", "keycap", "dark", "light", "medium", "button", "flag", "sign",
        "hand", "hands", "symbol", "mark", "letter", "letters", "input", "arrow", "person", "man", "woman", "people",
        "family", "couple", "kiss", "finger", "fingers", "thumbs", "fist", "selfie", "passport", "id", "atm", "vs",
        "ok", "new", "free", "up", "cool", "sos", "top", "soon", "on", "end", "back", "zzz"};
    if (namedWith(name, left) || name.contains("o-clock"))
        return {};
    static const QStringList plants {"flower", "tree", "leaf", "leaves", "plant", "cactus", "herb", "blossom", "rose",
        "tulip", "sunflower", "hibiscus", "bouquet", "seedling", "shamrock", "clover", "maple", "lotus", "hyacinth",
        "wood", "nest", "coral", "rock", "mushroom", "sheaf", "feather", "wilted", "potted"};
    static const QStringList sky {"sun", "moon", "star", "stars", "cloud", "rainbow", "snowflake", "snowman", "comet",
        "droplet", "wave", "fire", "tornado", "fog", "lightning", "umbrella", "high", "voltage", "cyclone", "globe",
        "volcano", "mountain", "milky", "sunrise", "sunset", "crescent", "thermometer"};
    if (category == "Animals & Nature")
        return namedWith(name, plants) || namedWith(name, sky) ? "Nature" : "Animals";
    if (category == "Travel & Places")
        return namedWith(name, sky) ? "Nature" : "Travel";
    if (category == "Food & Drink")
        return "Food";
    if (category == "Objects")
        return "Objects";
    if (category == "Activities")
        return "Activities";
    return {};
}
