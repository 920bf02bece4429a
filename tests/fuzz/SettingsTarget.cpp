// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds texts as "tessarin.ini" to the settings and score readers, through the same file and
// code as the game. Every value read must be one the game can use, and a win recorded on top
// of any file must follow the scoring rules.
#include "FuzzChecks.h"
#include "GameSettings.h"
#include "ScoreBook.h"
#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

const char* const sizeLabels[] = {"5x5", "10x5", "10x10", "15x10", "15x15", "20x15"};

int count(const QString& text)
{
    bool isNumber = false;
    const int value = text.toInt(&isNumber);
    require(isNumber && value >= 0 && QString::number(value) == text, "a score that is not a decimal count");
    return value;
}

QTemporaryDir* workFolder;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    workFolder = new QTemporaryDir;
    require(workFolder->isValid() && QDir::setCurrent(workFolder->path()), "no work folder");
    std::atexit([] { delete workFolder; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    {
        QFile ini("tessarin.ini");
        require(ini.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write tessarin.ini");
        ini.write(reinterpret_cast<const char*>(data), qint64(size));
    }

    SettingsStore store("tessarin.ini");
    const GameSettings settings = GameSettings::load(store);
    require(settings.background >= 0 && settings.background <= 3, "an unknown background");
    bool knownSize = false;
    for (const char* label : sizeLabels)
        knownSize = knownSize || settings.lastSize == label;
    require(knownSize, "an unknown size");
    require(settings.lastMode == "Beginner" || settings.lastMode == "Normal" || settings.lastMode == "Expert",
        "an unknown mode");
    require(settings.drawing == "auto" || settings.drawing == "opengl" || settings.drawing == "raster",
        "an unknown way of drawing");
    // Every lookup parses the same file by the same rule, so one size an input is enough.
    for (int mode = 1; mode <= 3; ++mode) {
        const ScoreBook::Record record = ScoreBook::lookup(store, sizeLabels[size % 6], mode);
        count(record.bestTime);
        count(record.bestFaults);
        count(record.wins);
    }

    // Writing goes through fsync and a lock file, a hundred times the cost of reading, so only
    // one input in sixteen is also written to.
    if (size % 16 != 0)
        return 0;
    const ScoreBook::Record before = ScoreBook::lookup(store, "10x10", 2);
    const ScoreBook::Record after = ScoreBook::recordWin(store, "10x10", 2, "100", "3");
    const int wins = count(before.wins);
    require(count(after.wins) == (wins == std::numeric_limits<int>::max() ? wins : wins + 1), "a win not counted");
    const int bestFaults = count(before.bestFaults);
    const bool newBest = 3 < bestFaults || (3 == bestFaults && 100 < count(before.bestTime));
    require(newBest ? after.bestTime == "100" && after.bestFaults == "3"
                    : after.bestTime == before.bestTime && after.bestFaults == before.bestFaults,
        "a best kept or replaced against the rules");
    return 0;
}
