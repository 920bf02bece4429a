#pragma once

#include <QString>

// Where the game keeps "tessarin.ini" and "auto.sav". A game started from its own folder (the
// working folder holds the game's assets, as the build's folder does) keeps them there, as
// long as files can be written there. Any other start, such as one from a desktop launcher
// with the home folder as working folder, keeps them in the user's data folder, which is
// created when first needed. The choice is made afresh for each access, so reading and
// writing always agree.
namespace StorageFolder {

// The path to use for a file of the game's own, e.g. path("auto.sav").
QString path(const QString& fileName);

// The path of "tessarin.ini". When it lives in the data folder and that has none yet, the
// one in the game folder (if any) is copied there first: a game folder that cannot be
// written still gives its settings and scores, and every change goes to the data folder.
QString settingsPath();

} // namespace StorageFolder
