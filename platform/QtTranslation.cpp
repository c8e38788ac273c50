#include "platform/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void translateQtTexts()
{
    static bool tried = false;
    if (tried)
        return;
    tried = true;
    // Owned by the application, which keeps it installed for as long as it runs.
    auto* translator = new QTranslator(QCoreApplication::instance());
    // Tries the locale's languages in turn (cs_CZ, then cs); the C locale has none.
    if (translator->load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
