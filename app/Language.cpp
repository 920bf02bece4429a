// SPDX-License-Identifier: GPL-3.0-or-later
#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

void install(QCoreApplication& application, const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&application);
    if (translator->load(locale, name, "_", folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void useLanguage(QCoreApplication& application, const QLocale& locale)
{
    install(application, locale, "qtbase", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Built into the program, so that it speaks the language wherever it runs from.
    install(application, locale, "tessarin", ":/i18n");
}
