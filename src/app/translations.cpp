// Translations: the game speaks the first of the player's languages it knows.
#include "translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>

Translations::Translations(const QStringList& languages)
{
    for (const QString& wanted : languages) {
        const QString region = QLocale(wanted).name(); // "pt_BR"
        const QString language = region.section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en") || language == QLatin1String("C")) {
            // The source texts are English; only their plural forms come from a file.
            if (game_.load(QStringLiteral(":/i18n/tilewright_en.qm")))
                QCoreApplication::installTranslator(&game_);
            return;
        }
        // A region's own translation (Brazilian Portuguese) first, then the language's.
        for (const QString& code : {region, language}) {
            // Exactly this file: a translator's own search would take "de" for "de_DE".
            const QString file = QStringLiteral(":/i18n/tilewright_%1.qm").arg(code);
            if (!QFile::exists(file) || !game_.load(file))
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
}
