// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecentFiles.h"

namespace RecentFiles {

QStringList read(const QString& stored)
{
    QStringList paths;
    for (const QString& encoded : stored.split('|', Qt::SkipEmptyParts)) {
        const QString path = QString::fromUtf8(QByteArray::fromPercentEncoding(encoded.toLatin1()));
        if (!path.isEmpty() && !paths.contains(path) && paths.size() < kept)
            paths << path;
    }
    return paths;
}

QString withFirst(const QString& stored, const QString& path)
{
    QStringList paths = read(stored);
    paths.removeAll(path);
    paths.prepend(path);
    QStringList encoded;
    for (const QString& kept : paths.mid(0, RecentFiles::kept))
        encoded << QString::fromLatin1(kept.toUtf8().toPercentEncoding());
    return encoded.join('|');
}

} // namespace RecentFiles
