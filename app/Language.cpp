// SPDX-License-Identifier: GPL-3.0-or-later
#include "Language.h"

#include "HelpBrowser.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The translator installed, or none when there is no translation for the locale.
const QTranslator* install(
    QCoreApplication& application, const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&application);
    if (translator->load(locale, name, "_", folder) && QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

QString& spoken()
{
    static QString language = QStringLiteral("en");
    return language;
}

} // namespace

QString gameLanguage()
{
    return spoken();
}

void useLanguage(QCoreApplication& application, const QLocale& locale)
{
    install(application, locale, "qtbase", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Built into the program, so that it speaks the language wherever it runs from; the help
    // follows in the language the game's texts came in.
    const QTranslator* game = install(application, locale, "tessarin", ":/i18n");
    const QString language = game ? QLocale(game->language()).name().section('_', 0, 0) : QString();
    HelpBrowser::setLanguage(language);
    spoken() = language.isEmpty() ? QStringLiteral("en") : language;
}
