// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

class QCoreApplication;

// Speaks the player's language where the game has a translation: its own texts, and Qt's
// (the boxes' Yes, No and Cancel) where the system has those. English is the source and needs
// neither; a language without a translation falls back to it.
void useLanguage(QCoreApplication& application, const QLocale& locale = QLocale::system());
// The language the game speaks since useLanguage: "de", "fr", "es", or "en" for English.
QString gameLanguage();
