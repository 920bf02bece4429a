// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The gallery's albums, in the order the browser shows them; their English names are their
// keys.
const QStringList& albums();

// The album a drawing of the emoji set belongs in, by its name and the set's category, or ""
// for one that stays out: people, hands, faces of people, flags, symbols, letters, clocks,
// keycaps and the skin-tone variants.
QString albumOf(const QString& name, const QString& category);
