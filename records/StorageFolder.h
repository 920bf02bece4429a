// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the game keeps "tessarin.ini" and "auto.sav", chosen once per run so that every read
// and write of the run agrees. A game started from its own folder (the working folder holds
// the game's assets, as the build's folder does) keeps them there, if files can be written
// there. Any other start, such as one from a desktop launcher with the home folder as working
// folder, keeps them in the user's data folder, which is created for it and first takes over
// the game folder's "tessarin.ini", if there is one: a game folder that cannot be written
// still lends its settings and scores.
class StorageFolder {
public:
    static StorageFolder choose();

    // The absolute path of one of the game's own files, e.g. filePath("auto.sav").
    QString filePath(const QString& fileName) const;
    // The folder, and whether it is there to take files (false when the data folder could
    // not be made, say because $XDG_DATA_HOME names a file).
    const QString& folder() const { return folder_; }
    bool made() const { return made_; }

private:
    explicit StorageFolder(QString folder, bool made = true);

    QString folder_;
    bool made_;
};
