// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScoreText.h"

namespace ScoreText {

QString sentence(const QString& time, const QString& faults)
{
    // Only the exact text "1" is singular: "0 faults.", "01 seconds".
    return time + (time == "1" ? " second with " : " seconds with ") + faults
        + (faults == "1" ? " fault." : " faults.");
}

QString wins(const QString& count)
{
    return "Total Wins for This Type: " + count + ".";
}

} // namespace ScoreText
