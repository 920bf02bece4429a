// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The puzzle files opened last, newest first, as "tessarin.ini" keeps them in one value: each
// path percent-encoded (so that no character of a path can break the file's lines), joined by
// "|".
namespace RecentFiles {

constexpr int kept = 10;

QStringList read(const QString& stored);
// The stored value with path first: moved there if it was kept already, the oldest dropped
// beyond the ten.
QString withFirst(const QString& stored, const QString& path);

} // namespace RecentFiles
