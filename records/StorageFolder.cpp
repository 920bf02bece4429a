#include "StorageFolder.h"

#include "AssetFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

const char* const settingsFile = "tessarin.ini";

// Permission bits say nothing when running as root, and a deleted working folder or a
// read-only mount still looks fine from outside, so the only reliable answer is a real write.
bool workingFolderTakesFiles()
{
    QTemporaryFile probe(QDir::current().filePath(".tessarin-probe-XXXXXX"));
    return probe.open();
}

bool inWorkingFolder()
{
    return AssetFolder::holdsAssets(QDir::currentPath()) && workingFolderTakesFiles();
}

// The user's data folder, made if missing; empty when there is none to be had.
QString dataFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return !folder.isEmpty() && QDir().mkpath(folder) ? folder : QString();
}

} // namespace

namespace StorageFolder {

QString path(const QString& fileName)
{
    if (inWorkingFolder())
        return fileName;
    const QString folder = dataFolder();
    if (folder.isEmpty())
        return fileName; // nowhere better: reads give defaults and writes fail quietly
    return QDir(folder).filePath(fileName);
}

QString settingsPath()
{
    const QString settings = path(settingsFile);
    if (settings == settingsFile || QFile::exists(settings))
        return settings;
    const QString gameFolder = AssetFolder::find();
    // The copy takes the original's permissions, and a read-only copy would refuse changes.
    if (!gameFolder.isEmpty() && QFile::copy(QDir(gameFolder).filePath(settingsFile), settings))
        QFile::setPermissions(settings, QFile::ReadOwner | QFile::WriteOwner);
    return settings;
}

} // namespace StorageFolder
