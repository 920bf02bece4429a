#pragma once

#include <QString>

// Where the game keeps "tessarin.ini" and "auto.sav": the working folder, like every other
// file the game reads, unless files cannot be written there (a game installed read-only);
// then the user's data folder, which is created when needed. The choice is made afresh for
// each access, so reading and writing always agree.
namespace StorageFolder {

// The path to use for a file of the game's own, e.g. path("tessarin.ini").
QString path(const QString& fileName);

} // namespace StorageFolder
