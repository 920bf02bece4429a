// SPDX-License-Identifier: GPL-3.0-or-later
#include "TechniqueRecord.h"

#include "SettingsStore.h"
#include "TechniqueNames.h"

namespace {

const QString group = "techniques";

bool countOne(SettingsStore& store, int technique, const char* what)
{
    const QString name = techniqueName(technique);
    if (name.isEmpty())
        return true;
    return store.change([key = name + what](IniDocument& file) { file.countOneMore(group, key); });
}

} // namespace

namespace TechniqueRecord {

Table lookup(const SettingsStore& store)
{
    const IniDocument file = store.read();
    Table table;
    for (int technique = 1; technique <= int(table.size()); ++technique) {
        const QString name = techniqueName(technique);
        table[size_t(technique - 1)] = {file.count(group, name + "Hints", 0), file.count(group, name + "Wins", 0)};
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
