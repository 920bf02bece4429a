// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScoreText.h"

#include <QCoreApplication>

namespace ScoreText {

QString sentence(const QString& time, const QString& faults)
{
    // Only the exact text "1" is singular: "0 faults.", "01 seconds".
    const QString seconds = time == "1" ? QCoreApplication::translate("ScoreText", "%1 second").arg(time)
                                        : QCoreApplication::translate("ScoreText", "%1 seconds").arg(time);
    const QString faultCount = faults == "1" ? QCoreApplication::translate("ScoreText", "%1 fault").arg(faults)
                                             : QCoreApplication::translate("ScoreText", "%1 faults").arg(faults);
    //: "143 seconds with 2 faults."
    return QCoreApplication::translate("ScoreText", "%1 with %2.").arg(seconds, faultCount);
}

QString best(const QString& time, const QString& faults)
{
    return QCoreApplication::translate("ScoreText", "Best Time: %1").arg(sentence(time, faults));
}

QString wins(const QString& count)
{
    return QCoreApplication::translate("ScoreText", "Total Wins for This Type: %1.").arg(count);
}

} // namespace ScoreText
