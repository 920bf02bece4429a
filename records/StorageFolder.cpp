// SPDX-License-Identifier: GPL-3.0-or-later
#include "StorageFolder.h"

#include "AssetFolder.h"
#include "DurableFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

const char* const settingsFile = "tessarin.ini";
constexpr qint64 settingsLimit = 1 << 20;

// Permission bits say nothing when running as root, and a deleted working folder or a
// read-only mount still looks fine from outside, so the only reliable answer is a real write.
bool workingFolderTakesFiles()
{
    QTemporaryFile probe(QDir::current().filePath(".tessarin-probe-XXXXXX"));
    return probe.open();
}

// The user's data folder, whether or not it can be made.
QString dataFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QDir::homePath() + "/.local/share/tessarin" : folder;
}

void adoptGameFolderSettings(const QString& folder)
{
    const QString settings = QDir(folder).filePath(settingsFile);
    const QString gameFolder = AssetFolder::find();
    if (gameFolder.isEmpty() || QFileInfo::exists(settings))
        return;
    const DurableFile::Reading lent = DurableFile::read(QDir(gameFolder).filePath(settingsFile), settingsLimit);
    if (lent.status == DurableFile::Reading::Status::Read)
        DurableFile::write(settings, lent.bytes);
}

} // namespace

StorageFolder::StorageFolder(QString folder, bool made)
    : folder_(std::move(folder))
    , made_(made)
{
}

StorageFolder StorageFolder::choose()
{
    const QString working = QDir::currentPath();
    if (AssetFolder::holdsAssets(working) && workingFolderTakesFiles())
        return StorageFolder(working);
    const QString data = dataFolder();
    // Never somewhere the player would not look for them, such as the folder the game was
    // started from: reads give defaults and writes fail, saying where.
    if (!QDir().mkpath(data))
        return StorageFolder(data, false);
    adoptGameFolderSettings(data);
    return StorageFolder(data);
}

QString StorageFolder::filePath(const QString& fileName) const
{
    return QDir(folder_).filePath(fileName);
}
