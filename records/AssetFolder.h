// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Where the game's pictures, sounds, music, fonts and help pages are: the first of the search
// places that holds them. The working folder comes first, so a game folder (the build's own,
// or an unpacked copy) runs as it is from there; then the program's own folder; then the data
// folder of an installation: "../share/tessarin" from the program, and "tessarin" in each of
// the standard data locations. All assets come from that one place, never a mix.
namespace AssetFolder {

// Whether the folder holds the game's assets. The mark is "Images/cell.png", the strip every
// board is drawn with; a folder that merely has an "Images" folder (as a home often does)
// does not count.
bool holdsAssets(const QString& folder);

// The places searched, in order: absolute, cleaned, each only once.
QStringList searchPlaces();

// The first search place that holds the assets, or an empty string when none does.
QString find();

// The path of an asset named relative to the game folder, such as "Images//cell.png". When no
// place holds the assets, the name comes back as given: it is then read from the working
// folder, and fails there.
QString file(const QString& relative);

// The bytes of an asset named as file() names it, read as the game's own files are: only a
// regular file, never waiting on a pipe or a device, and only up to a size no asset comes
// near. Empty for anything else, which the caller treats as a missing asset.
QByteArray read(const QString& relative);
// The same for an asset's whole path.
QByteArray readFile(const QString& path);

// The one message for a game that finds no assets: what is missing and where it looked.
QString notFoundMessage();

} // namespace AssetFolder
