// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TRANSLATIONS_H
#define TRANSLATIONS_H

#include <QLocale>
#include <QString>
#include <QTranslator>

// The game's texts and the toolkit's own in the player's language, for as long as the object
// lives: the first of the locale's interface languages (from LANGUAGE, LC_ALL, LC_MESSAGES and
// LANG) that the game has a catalogue for, a regional variant falling back to its language, and
// English, as written in the code, when it has none. The toolkit's catalogue is taken from its
// translations folder in the same language, where it is installed. Needs the application object.
class Translations
{
public:
    explicit Translations(const QLocale &locale = QLocale::system());
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // The language of the game's texts as its catalogue names it ("de", "pt_BR"); "en" for
    // English.
    QString language() const;

private:
    // English has its plural forms from a catalogue of their own, beneath every other.
    QTranslator english;
    QTranslator game;
    QTranslator toolkit;
};

#endif // TRANSLATIONS_H
