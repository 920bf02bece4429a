// SPDX-License-Identifier: GPL-3.0-or-later
#include "Backgrounds.h"

const BackgroundStyle& Backgrounds::style(int index)
{
    // Each plate is tinted against its texture: a light cyan on the warm wood, a brick red on
    // the green leaves. The outline and information box are the same hue, darker.
    static const BackgroundStyle styles[count] = {
        {QStringLiteral("Images//background1.png"), QColor(179, 254, 254, 180), QColor(141, 216, 216, 180)},
        {QStringLiteral("Images//background2.png"), QColor(206, 133, 126, 230), QColor(178, 106, 97, 230)},
        {QStringLiteral("Images//background3.png"), QColor(146, 215, 168, 237), QColor(108, 177, 130, 237)},
        {QStringLiteral("Images//background4.png"), QColor(140, 140, 160, 220), QColor(102, 102, 122, 220)},
    };
    return styles[index];
}
