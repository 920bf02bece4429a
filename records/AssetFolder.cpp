// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssetFolder.h"

#include "DurableFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace AssetFolder {

bool holdsAssets(const QString& folder)
{
    return QFileInfo(QDir(folder).filePath("Images/cell.png")).isFile();
}

QStringList searchPlaces()
{
    QStringList places {QDir::currentPath()};
    // Without an application object there is no program folder to ask about.
    if (QCoreApplication::instance()) {
        const QString programFolder = QCoreApplication::applicationDirPath();
        places << programFolder << programFolder + "/../share/tessarin";
    }
    for (const QString& dataLocation : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        places << dataLocation + "/tessarin";
    for (QString& place : places)
        place = QDir::cleanPath(QDir::current().absoluteFilePath(place));
    places.removeDuplicates();
    return places;
}

QString find()
{
    for (const QString& place : searchPlaces()) {
        if (holdsAssets(place))
            return place;
    }
    return {};
}

QString file(const QString& relative)
{
    const QString folder = find();
    return folder.isEmpty() ? relative : QDir::cleanPath(folder + '/' + relative);
}

QByteArray read(const QString& relative)
{
    return readFile(file(relative));
}

QByteArray readFile(const QString& path)
{
    constexpr qint64 largestAsset = 32 << 20;
    return DurableFile::read(path, largestAsset).bytes;
}

QString notFoundMessage()
{
    return QCoreApplication::translate("AssetFolder",
        "Tessarin cannot find its pictures, sounds and help pages (the folders \"Images\", \"Sounds\", "
        "\"Music\" and \"Help\"), so it runs without them. It looked in:\n%1")
        .arg(searchPlaces().join('\n'));
}

} // namespace AssetFolder
