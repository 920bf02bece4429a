// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The sentences the win screen and the high-score dialog share.
namespace ScoreText {

// "143 seconds with 2 faults." ("1 second", "1 fault." for exactly "1").
QString sentence(const QString& time, const QString& faults);
// "Best Time: 143 seconds with 2 faults."
QString best(const QString& time, const QString& faults);
// "Total Wins for This Type: 3."
QString wins(const QString& count);

} // namespace ScoreText
