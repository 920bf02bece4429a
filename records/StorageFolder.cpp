#include "StorageFolder.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

// Permission bits say nothing when running as root, and a deleted working folder or a
// read-only mount still looks fine from outside, so the only reliable answer is a real write.
bool workingFolderTakesFiles()
{
    QTemporaryFile probe(QDir::current().filePath(".tessarin-probe-XXXXXX"));
    return probe.open();
}

} // namespace

namespace StorageFolder {

QString path(const QString& fileName)
{
    if (workingFolderTakesFiles())
        return fileName;
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dataFolder.isEmpty() || !QDir().mkpath(dataFolder))
        return fileName; // nowhere better: reads give defaults and writes fail quietly
    return QDir(dataFolder).filePath(fileName);
}

} // namespace StorageFolder
