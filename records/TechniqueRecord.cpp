// SPDX-License-Identifier: GPL-3.0-or-later
#include "TechniqueRecord.h"

#include "SettingsStore.h"
#include "TechniqueTable.h"

namespace {

const QString group = "techniques";

bool countOne(SettingsStore& store, int technique, const char* what)
{
    const Technique* entry = findTechnique(technique);
    if (!entry)
        return true;
    return store.change([key = entry->key + QString(what)](IniDocument& file) { file.countOneMore(group, key); });
}

} // namespace

namespace TechniqueRecord {

Table lookup(const SettingsStore& store)
{
    const IniDocument file = store.read();
    Table table;
    for (int technique = 1; technique <= int(table.size()); ++technique) {
        const QString key = findTechnique(technique)->key;
        table[size_t(technique - 1)] = {file.count(group, key + "Hints", 0), file.count(group, key + "Wins", 0)};
    }
    return table;
}

bool countHint(SettingsStore& store, int technique)
{
    return countOne(store, technique, "Hints");
}

bool countWin(SettingsStore& store, int hardestTechnique)
{
    return countOne(store, hardestTechnique, "Wins");
}

} // namespace TechniqueRecord
