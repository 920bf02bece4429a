#pragma once

#include <QComboBox>
#include <QString>

// The size and mode boxes of the win screen and the high-score dialog. Their indexes are the
// menu order of sizes and modes, which the callers translate to and from the main window's.
inline void addChoices(QComboBox* sizeBox, QComboBox* modeBox)
{
    sizeBox->addItems(QString("5x5,10x5,10x10,15x10,15x15,20x15").split(','));
    modeBox->addItems(QString("Beginner,Normal,Expert").split(','));
}
