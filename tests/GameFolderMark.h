// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFile>
#include <QtTest>

// Makes the folder count as a game folder: the game then reads its assets from there and,
// when it is the working folder, keeps "tessarin.ini" and "auto.sav" there too. The mark is
// the cell strip; an empty file does.
inline void markAsGameFolder(const QString& folder = ".")
{
    QVERIFY(QDir(folder).mkpath("Images"));
    QFile cells(QDir(folder).filePath("Images/cell.png"));
    QVERIFY(cells.open(QIODevice::WriteOnly));
}
