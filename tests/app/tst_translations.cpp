// Tests of the translations: the player's first known language wins, English needs none,
// and in every language the menus and the help page agree.
#include "app/commandtable.h"
#include "app/translations.h"
#include "platform/programfile.h"
#include "scores/scoretables.h"
#include "scores/timetext.h"
#include "testregistry.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocumentFragment>
#include <map>

namespace {
// Every language the game speaks, English (the source texts') first.
const QStringList Languages{"en", "de", "fr", "es", "it", "nl", "pl", "pt_BR"};

// A menu as the player reads it: its title and its items' texts, mnemonics marked.
struct ShownMenu {
    QString title;
    QStringList items;
};

// The menu bar's menus, and each submenu as a menu of its own, in the installed language.
std::vector<ShownMenu> shownMenus()
{
    const auto command = [](CommandId id) {
        return QCoreApplication::translate("Command", findCommand(id)->text);
    };
    std::vector<ShownMenu> menus;
    ShownMenu bar;
    for (const Menu& layout : menuBarLayout()) {
        ShownMenu menu{QCoreApplication::translate("Menu", layout.title), {}};
        bar.items << menu.title;
        for (const MenuItem& item : layout.items) {
            if (item.submenu != nullptr) {
                ShownMenu submenu{QCoreApplication::translate("Menu", item.submenu), {}};
                for (const CommandId id : item.submenuItems)
                    submenu.items << command(id);
                menu.items << submenu.title;
                menus.push_back(submenu);
            } else if (item.command != CommandId::Separator) {
                menu.items << command(item.command);
            }
        }
        menus.push_back(menu);
    }
    menus.push_back(bar);
    return menus;
}

QString withoutMnemonic(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// The help page Help opens in the installed language, read from the sources.
QString helpPage(const Translations& translations)
{
    const ProgramFile program = ProgramFile::at(QStringLiteral(TW_RESOURCES "/tilewright"));
    QFile page(program.inLanguage(translations.language()).helpPage);
    return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}
} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

    static QString file() { return QCoreApplication::translate("Menu", "&File"); }

    static void eachLanguage()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : Languages)
            QTest::newRow(qPrintable(language)) << language;
    }

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
        QTest::newRow("Japanese, then French") << QStringList{"ja-JP", "fr-CA"} << "fr"
                                               << "&Fichier";
        QTest::newRow("Brazilian Portuguese") << QStringList{"pt-BR"} << "pt_BR"
                                              << "&Arquivo";
        QTest::newRow("Mexican Spanish") << QStringList{"es-MX"} << "es"
                                         << "&Archivo";
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

    void everyLanguageIsBuiltIn()
    {
        // In the program itself, so a gift copy speaks its receiver's language too.
        QStringList found;
        for (QDirIterator it(QStringLiteral(":/i18n")); it.hasNext();)
            found << QFileInfo(it.next()).fileName();
        found.sort();
        QStringList expected;
        for (const QString& language : Languages)
            expected << QStringLiteral("tilewright_%1.qm").arg(language);
        expected.sort();
        QCOMPARE(found, expected);
    }

    // Alt and a letter opens one menu, and within a menu one item, in every language.
    void noMenuOffersOneLetterTwice_data() { eachLanguage(); }
    void noMenuOffersOneLetterTwice()
    {
        QFETCH(QString, language);
        const Translations translations({language});
        for (const ShownMenu& menu : shownMenus()) {
            std::map<QChar, QString> taken;
            for (const QString& item : menu.items) {
                const qsizetype mark = item.indexOf(QLatin1Char('&'));
                if (mark < 0 || mark + 1 >= item.size())
                    continue;
                const QChar letter = item[mark + 1].toLower();
                QVERIFY2(!taken.count(letter),
                         qPrintable(
                             QStringLiteral("%1: %2 and %3").arg(menu.title, taken[letter], item)));
                taken[letter] = item;
            }
        }
    }

    // Every "Menu > Item" a help page names is there, in that page's language.
    void helpNamesTheMenusAsTheyAre_data() { eachLanguage(); }
    void helpNamesTheMenusAsTheyAre()
    {
        QFETCH(QString, language);
        const Translations translations({language});
        const QString page = helpPage(translations);
        QVERIFY(
            page.contains(QStringLiteral("lang=\"%1").arg(QString(language).replace('_', '-'))));
        const QRegularExpression path(QStringLiteral("<b>([^<&]+&gt;[^<]+)</b>"));
        int paths = 0;
        for (const QRegularExpressionMatch& found : path.globalMatch(page)) {
            const QStringList names =
                QTextDocumentFragment::fromHtml(found.captured(1)).toPlainText().split('>');
            QCOMPARE(names.size(), 2);
            const std::vector<ShownMenu> menus = shownMenus();
            const bool named = std::any_of(menus.begin(), menus.end(), [&](const ShownMenu& menu) {
                const auto same = [&](const QString& item) {
                    return withoutMnemonic(item) == names[1].simplified();
                };
                return withoutMnemonic(menu.title) == names[0].simplified() &&
                       std::any_of(menu.items.begin(), menu.items.end(), same);
            });
            QVERIFY2(named, qPrintable(found.captured(1).simplified()));
            ++paths;
        }
        QVERIFY(paths >= 10);
    }

    // A text that counts says "1 hint" and "2 hints" in English, and takes its plural forms in
    // every language, Polish three of them.
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
        QTest::newRow("Polish") << "pl-PL"
                                << "Rozwiązano z 1 podpowiedzią."
                                << "Rozwiązano z 2 podpowiedziami.";
        QTest::newRow("Brazilian Portuguese") << "pt-BR"
                                              << "Resolvido com 1 dica."
                                              << "Resolvido com 2 dicas.";
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
