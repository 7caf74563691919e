// Tests of the translations: the player's first known language wins, English needs none,
// and every text is there in German and French.
#include "app/translations.h"
#include "scores/scoretables.h"
#include "scores/timetext.h"
#include "testregistry.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QTest>

class TestTranslations : public QObject {
    Q_OBJECT

    static QString file() { return QCoreApplication::translate("Menu", "&File"); }

private slots:
    void firstKnownLanguageWins_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("file");
        QTest::newRow("German") << QStringList{"de-DE"} << "de"
                                << "&Datei";
        QTest::newRow("Austrian German") << QStringList{"de-AT"} << "de"
                                         << "&Datei";
        QTest::newRow("French") << QStringList{"fr-FR"} << "fr"
                                << "&Fichier";
        QTest::newRow("Spanish, then French") << QStringList{"es-ES", "fr-CA"} << "fr"
                                              << "&Fichier";
        QTest::newRow("English before German") << QStringList{"en-GB", "de-DE"} << ""
                                               << "&File";
        QTest::newRow("American English") << QStringList{"en-US"} << ""
                                          << "&File";
        QTest::newRow("the C locale") << QStringList{"C"} << ""
                                      << "&File";
        QTest::newRow("unknown only") << QStringList{"ja-JP"} << ""
                                      << "&File";
        QTest::newRow("none") << QStringList{} << ""
                              << "&File";
    }

    void firstKnownLanguageWins()
    {
        QFETCH(QStringList, languages);
        QFETCH(QString, language);
        QFETCH(QString, file);
        {
            const Translations translations(languages);
            QCOMPARE(translations.language(), language);
            QCOMPARE(TestTranslations::file(), file);
        }
        QCOMPARE(TestTranslations::file(), QStringLiteral("&File")); // removed again
    }

    void textsOutsideWidgetsAreTranslatedToo()
    {
        const Translations german({QStringLiteral("de-DE")});
        QCOMPARE(difficultyName(10), QStringLiteral("Großmeister"));
        QCOMPARE(timeText(65, TimeStyle::Scoreboard), QStringLiteral("01 Min. 05 Sek."));
    }

    void bothLanguagesAreBuiltIn()
    {
        // In the program itself, so a gift copy speaks its receiver's language too.
        QStringList found;
        for (QDirIterator it(QStringLiteral(":/i18n")); it.hasNext();)
            found << QFileInfo(it.next()).fileName();
        found.sort();
        QCOMPARE(found, (QStringList{"tilewright_de.qm", "tilewright_en.qm", "tilewright_fr.qm"}));
    }

    // A text that counts says "1 hint" and "2 hints" in English, and the same in German and
    // French.
    void countsTakeTheirPluralForms_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("one");
        QTest::addColumn<QString>("two");
        QTest::newRow("English") << "en-GB"
                                 << "Solved with 1 hint."
                                 << "Solved with 2 hints.";
        QTest::newRow("German") << "de-DE"
                                << "Mit 1 Tipp gelöst."
                                << "Mit 2 Tipps gelöst.";
        QTest::newRow("French") << "fr-FR"
                                << "Résolu avec 1 indice."
                                << "Résolu avec 2 indices.";
    }
    void countsTakeTheirPluralForms()
    {
        QFETCH(QString, language);
        QFETCH(QString, one);
        QFETCH(QString, two);
        const Translations translations({language});
        const char* text = "Solved with %n hint(s). Games with hints do not go on the scoreboard.";
        QVERIFY2(QCoreApplication::translate("MainFrame", text, nullptr, 1).startsWith(one),
                 qPrintable(QCoreApplication::translate("MainFrame", text, nullptr, 1)));
        QVERIFY(QCoreApplication::translate("MainFrame", text, nullptr, 2).startsWith(two));
    }
};

TW_REGISTER_TEST(TestTranslations)
#include "tst_translations.moc"
