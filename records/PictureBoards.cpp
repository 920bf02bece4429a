// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureBoards.h"

#include "CellState.h"
#include "GameMode.h"
#include "SettingsStore.h"

namespace {

const QString group = QStringLiteral("pictureBoards");

} // namespace

namespace PictureBoards {

bool keep(SettingsStore& store, const QString& id, const Kept& kept)
{
    QString cells;
    for (const std::vector<int>& column : kept.board.cells)
        for (const int code : column)
            cells += QChar('0' + code);
    const QString value = QStringLiteral("%1,%2,%3,%4").arg(kept.mode).arg(kept.seconds).arg(kept.faults).arg(cells);
    return store.change([id, value](IniDocument& file) { file.setValue(group, id, value); });
}

std::optional<Kept> find(const SettingsStore& store, const QString& id, int columns, int rows)
{
    const QStringList fields = store.read().value(group, id).split(',');
    if (fields.size() != 4 || fields[3].size() != columns * rows)
        return std::nullopt;
    Kept kept;
    bool read[3] = {};
    kept.mode = fields[0].toInt(&read[0]);
    kept.seconds = fields[1].toInt(&read[1]);
    kept.faults = fields[2].toInt(&read[2]);
    if (!read[0] || !read[1] || !read[2] || kept.mode < Beginner || kept.mode > Expert || kept.seconds < 0
        || kept.faults < 0)
        return std::nullopt;
    kept.board.resize(columns, rows);
    for (int i = 0; i < columns * rows; ++i) {
        const int code = fields[3][i].unicode() - '0';
        if (code < Blank || code > MarkedCrossed)
            return std::nullopt;
        kept.board.cells[std::size_t(i / rows)][std::size_t(i % rows)] = code;
    }
    return kept;
}

void forget(SettingsStore& store, const QString& id)
{
    store.change([id](IniDocument& file) { file.removeValue(group, id); });
}

} // namespace PictureBoards
