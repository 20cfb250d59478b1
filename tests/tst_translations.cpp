// SPDX-License-Identifier: GPL-3.0-or-later
#include "board.h"
#include "commandline.h"
#include "puzzleui.h"
#include "sensorchoice.h"
#include "testsupport.h"
#include "translations.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLCDNumber>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

using namespace TestSupport;

namespace {

// Every text of the window, its boxes and file dialog, its accessible tree and its command line.
QStringList shownTexts(PuzzleUI &window)
{
    window.updateTime();
    QStringList texts;
    for (QPushButton *button : window.findChildren<QPushButton *>())
        texts << button->text();
    auto *selector = window.findChild<QComboBox *>();
    for (int i = 0; i < selector->count(); ++i)
        texts << selector->itemText(i);
    texts << selector->accessibleName() << window.findChild<QLabel *>()->text()
          << window.findChild<QLCDNumber *>()->accessibleName();
    QAccessibleInterface *board =
        QAccessible::queryAccessibleInterface(window.findChild<Board *>());
    texts << board->text(QAccessible::Name);
    for (int i = 0; i < board->childCount(); ++i)
        texts << board->child(i)->text(QAccessible::Name);

    // Each box and dialog as it opens, then closed: a box's text, the file dialog's buttons.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&texts] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
            texts << box->text();
        } else if (dialog) {
            for (QPushButton *button : dialog->findChildren<QPushButton *>())
                texts << button->text();
        }
        if (dialog && !dialog->windowTitle().isEmpty())
            texts << dialog->windowTitle();
        if (dialog)
            dialog->reject();
    });
    watch.start(0);
    window.instructionButtonButtonClicked();
    window.ShowPuzzleFinished();
    window.showHighScores(
        {1, 2, 3}, SettingsFile::Failure {QStringLiteral("/f"), QStringLiteral("r")});
    window.showDifficultyNotSaved({QStringLiteral("/f"), QStringLiteral("r")});
    window.loadImageButtonButtonClicked();

    for (const char *arguments : {"plivora --help", "plivora --bogus", "plivora a b"})
        texts << CommandLine(QString::fromLatin1(arguments).split(u' ')).text();
    texts << SensorChoice().report().join(u'\n');
    return texts;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextInEveryLanguage_data();
    void everyTextInEveryLanguage();
    void languageFromTheEnvironment_data();
    void languageFromTheEnvironment();
    void pluralForms_data();
    void pluralForms();
    void rightToLeftMirrorsOnlyTheControls();

private:
    QStringList english;
};

void TestTranslations::initTestCase()
{
    QVERIFY(QDir::setCurrent(QDir::tempPath()));
    storeSetting(QStringLiteral("current/difficulty"), 0); // the goal order, the same every time
    PuzzleUI window;
    english = shownTexts(window);
}

void TestTranslations::everyTextInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    const QStringList catalogues = QDir(QStringLiteral(":/i18n")).entryList();
    QVERIFY(catalogues.size() > 12);
    for (const QString &catalogue : catalogues) {
        const QString language = catalogue.section(u'_', 1).section(u'.', 0, 0);
        if (language != QLatin1String("en"))
            QTest::newRow(qPrintable(language)) << language;
    }
}

void TestTranslations::everyTextInEveryLanguage()
{
    QFETCH(QString, language);
    QFile source(QStringLiteral(PLIVORA_SOURCE_DIR "/translations/plivora_%1.ts").arg(language));
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray catalogue = source.readAll();
    QVERIFY(!catalogue.contains("type=\"unfinished\"") && !catalogue.contains("></numerusform>"));

    const Translations translations {QLocale(language)};
    QCOMPARE(translations.language(), language);
    PuzzleUI window;
    window.resize(360, 640);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), QSize(360, 640));
    const QStringList texts = shownTexts(window);
    QCOMPARE(texts.size(), english.size());
    for (int i = 0; i < texts.size(); ++i)
        QVERIFY2(texts.at(i) != english.at(i), qPrintable(texts.at(i)));

    QSet<QKeySequence> mnemonics;
    for (QPushButton *button : window.findChildren<QPushButton *>()) {
        QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
        mnemonics.insert(QKeySequence::mnemonic(button->text()));
    }
    QCOMPARE(mnemonics.size(), window.findChildren<QPushButton *>().size());
    QVERIFY(!mnemonics.contains(QKeySequence()));
    auto *selector = window.findChild<QComboBox *>();
    QVERIFY(selector->width() >= selector->sizeHint().width());
}

void TestTranslations::languageFromTheEnvironment_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("language");
    QTest::newRow("region") << QStringList {"LANG=de_AT.UTF-8"} << "de";
    QTest::newRow("list") << QStringList {"LANGUAGE=fr:de", "LANG=de_DE.UTF-8"} << "fr";
    QTest::newRow("messages") << QStringList {"LC_MESSAGES=ru_RU.UTF-8", "LANG=de_DE.UTF-8"}
                              << "ru";
    QTest::newRow("script and region") << QStringList {"LANG=zh_CN.UTF-8"} << "zh_CN";
    QTest::newRow("unknown") << QStringList {"LANG=xx_YY.UTF-8"} << "en";
    QTest::newRow("C") << QStringList {"LC_ALL=C"} << "en";
    QTest::newRow("POSIX") << QStringList {"LANG=POSIX"} << "en";
}

void TestTranslations::languageFromTheEnvironment()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, language);
    QProcess game;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        env.remove(QLatin1String(name));
    for (const QString &setting : environment)
        env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    game.setProcessEnvironment(env);
    game.start(QStringLiteral(PLIVORA_GAME), {QStringLiteral("--help")});
    QVERIFY(game.waitForFinished(60000));
    QCOMPARE(game.readAllStandardError(), QByteArray());

    const Translations translations {QLocale(language)};
    QCOMPARE(QString::fromUtf8(game.readAllStandardOutput()),
        CommandLine({QStringLiteral("plivora"), QStringLiteral("--help")}).text());
}

void TestTranslations::pluralForms_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("words");
    QTest::newRow("pl 1") << "pl" << 1 << "1 sekunda";
    QTest::newRow("pl 2") << "pl" << 2 << "2 sekundy";
    QTest::newRow("pl 5") << "pl" << 5 << "5 sekund";
    QTest::newRow("pl 22") << "pl" << 22 << "22 sekundy";
    QTest::newRow("ru 1") << "ru" << 1 << "1 секунда";
    QTest::newRow("ru 2") << "ru" << 2 << "2 секунды";
    QTest::newRow("ru 5") << "ru" << 5 << "5 секунд";
    QTest::newRow("ru 22") << "ru" << 22 << "22 секунды";
}

void TestTranslations::pluralForms()
{
    QFETCH(QString, language);
    QFETCH(int, seconds);
    QFETCH(QString, words);
    const Translations translations {QLocale(language)};
    FakeClock clock;
    PuzzleUI window(nullptr, std::nullopt, clock.clock());
    clock.now = seconds * 1000;
    window.updateTime();
    QVERIFY(window.findChild<QLCDNumber *>()->accessibleName().endsWith(words));
}

void TestTranslations::rightToLeftMirrorsOnlyTheControls()
{
    QImage boards[2];
    QRect cells[2][2];
    QList<int> moved[2];
    for (const char *language : {"en", "ar"}) {
        const Translations translations {QLocale(QLatin1String(language))};
        const bool mirrored = qstrcmp(language, "ar") == 0;
        QCOMPARE(QApplication::layoutDirection(), mirrored ? Qt::RightToLeft : Qt::LeftToRight);
        PuzzleUI window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *board = window.findChild<Board *>();
        settle(*board);
        const int column = window.findChild<QPushButton *>()->mapTo(&window, QPoint()).x();
        QCOMPARE(column < board->x(), mirrored);

        // The tiles' square and the cells, wherever the board's column puts them.
        const QPoint origin = board->mapFromScene(QPointF(0, 0));
        boards[mirrored] = board->viewport()->grab(QRect(origin, QSize(150, 150))).toImage();
        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(board);
        for (int cell : {0, 1}) {
            cells[mirrored][cell] =
                table->child(cell)->rect().translated(-board->viewport()->mapToGlobal(origin));
        }
        QTest::keyClick(board, Qt::Key_Left);
        moved[mirrored] = gridIds(*board->getEngine());
    }
    QCOMPARE(boards[1], boards[0]);
    QCOMPARE(cells[1][0], cells[0][0]);
    QVERIFY(cells[1][0].right() < cells[1][1].left());
    QCOMPARE(moved[1], moved[0]);
    QCOMPARE(moved[1].first(), 1); // the tile right of the empty corner slid left into it
}

PLIVORA_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
