// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void installTranslations(QCoreApplication &app)
{
    auto *program = new QTranslator(&app);
    if (!program->load(QLocale(), QStringLiteral("tonquirl"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        delete program;
        return;
    }
    app.installTranslator(program);
    // Qt's texts only in a language of the program's own, lest a dialog speak three.
    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(program->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    else
        delete qt;
}
