// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <vector>

// One drawing of the emoji set: its name ("red-apple"), the set's category, an SVG document of
// it, and its name in the gallery's languages (English from the name, the others from
// Unicode CLDR's annotations), each empty where none is known.
struct EmojiDrawing {
    QString name;
    QString category;
    QByteArray svg;
    std::array<QString, 4> titles;
};

// Reads the Iconify package's icons.json, metadata.json and chars.json in folder, and the
// CLDR annotations (de.xml, fr.xml, es.xml) in annotations; only icons, not aliases. False
// with why when anything cannot be read.
bool readEmojiSet(const QString& folder, const QString& annotations, std::vector<EmojiDrawing>& drawings, QString& why);
