// Translations: the game speaks the first of the player's languages it knows.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// Installs the game's translation and Qt's own for the first of the languages (as
// QLocale::uiLanguages gives them, most wanted first) that the game is translated to, and
// removes them again when destroyed. English, the language of the source texts, needs
// none: a list that wants English before any other language gets no translation.
class Translations {
public:
    explicit Translations(const QStringList& languages);
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // "de", "fr" or "pt_BR", as the help page's name has it; empty for English.
    QString language() const { return language_; }

private:
    QTranslator game_;
    QTranslator qt_;
    QString language_;
};
