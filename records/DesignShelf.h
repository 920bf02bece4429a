// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Design.h"

#include <QString>

#include <string>
#include <vector>

// "designs.txt", the player's designs and those opened from codes, which the gallery shows as
// its album "My designs". It is read afresh for each change, so that designs another copy of
// the game kept meanwhile stay; a file that is there but cannot be read is never written over.
class DesignShelf {
public:
    explicit DesignShelf(QString path);

    const QString& path() const { return path_; }
    // Far more than thousands of 60x60 designs take.
    static constexpr qint64 limit = 8 << 20;
    // The designs kept, in the order they were first kept; none, with why, when the file is
    // there but cannot be read.
    std::vector<Design> read(QString* why = nullptr) const;
    // Keeps a design in place of the one with the id replacing (a design edited again), or
    // else after the others; a picture kept before is kept once, with the texts given now.
    // False, with why, when the file could not be read or written: it is then as it was.
    bool keep(const Design& design, const std::string& replacing, QString* why);

private:
    QString path_;
};
