// Translations: the game speaks the first of the player's languages it knows.
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

Translations::Translations(const QStringList& languages)
{
    for (const QString& wanted : languages) {
        const QString code = QLocale(wanted).name().section(QLatin1Char('_'), 0, 0);
        if (code == QLatin1String("en") || code == QLatin1String("C")) {
            // The source texts are English; only their plural forms come from a file.
            if (game_.load(QStringLiteral(":/i18n/tilewright_en.qm")))
                QCoreApplication::installTranslator(&game_);
            return;
        }
        if (!game_.load(QStringLiteral(":/i18n/tilewright_%1.qm").arg(code)))
            continue;
        QCoreApplication::installTranslator(&game_);
        // Qt's own texts (standard buttons, shortcut names) when the system has them.
        if (qt_.load(QStringLiteral("qtbase_") + code,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt_);
        language_ = code;
        return;
    }
}
