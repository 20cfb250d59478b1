// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

// Where the build puts the game's catalogues, inside the program.
const QString CataloguesFolder = QStringLiteral(":/i18n");
const QString GameCatalogue = QStringLiteral("plivora");
const QString English = QStringLiteral("en");

// A right-to-left catalogue says so here, as the toolkit's own do; the game's says it too, so that
// the window mirrors even where the toolkit's catalogue is not installed.
struct Text
{
    const char *source;
    const char *comment;
};
[[maybe_unused]] const Text LayoutDirection =
    QT_TRANSLATE_NOOP3("QGuiApplication", "QT_LAYOUT_DIRECTION",
        "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
        "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");

} // namespace

Translations::Translations(const QLocale &locale)
{
    if (english.load(GameCatalogue + u'_' + English, CataloguesFolder))
        QCoreApplication::installTranslator(&english);

    // Each of the locale's languages in turn, and each of them without its region; English among
    // them is the texts as written.
    if (!game.load(locale, GameCatalogue, QStringLiteral("_"), CataloguesFolder)
        || game.language() == English)
        return;
    QCoreApplication::installTranslator(&game);
    if (toolkit.load(QStringLiteral("qtbase_") + game.language(),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&toolkit);
}

Translations::~Translations()
{
    for (QTranslator *translator : {&toolkit, &game, &english})
        QCoreApplication::removeTranslator(translator);
}

QString Translations::language() const
{
    return game.isEmpty() ? English : game.language();
}
