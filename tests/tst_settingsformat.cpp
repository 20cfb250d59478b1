// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzlefirst.h"
#include "settingsformat.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

QSettings *openStore()
{
    return new QSettings(SettingsFormat::format(), QSettings::UserScope,
        QLatin1String(PuzzleFirst::ORGANISATION_NAME),
        QLatin1String(PuzzleFirst::APPLICATION_NAME));
}

QString storePath()
{
    return QScopedPointer<QSettings>(openStore())->fileName();
}

// What the file holds now, read past the store's cache of it.
QVariantMap fileContents()
{
    QFile file(storePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QSettings::SettingsMap map;
    SettingsFormat::read(file, map);
    return map;
}

QVariantMap contents(QSettings &store)
{
    QVariantMap map;
    const QStringList keys = store.allKeys();
    for (const QString &key : keys)
        map.insert(key, store.value(key));
    return map;
}

} // namespace

class TestSettingsFormat : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readsAndWritesBack_data();
    void readsAndWritesBack();
    void lineBreakStaysInItsValue();
};

void TestSettingsFormat::initTestCase()
{
    QVERIFY(QDir().mkpath(QFileInfo(storePath()).path()));
}

void TestSettingsFormat::readsAndWritesBack_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QVariantMap>("values");

    QTest::newRow("as the native store writes it")
        << QByteArray("[current]\ndifficulty=2\n\n[highscore]\n0=12\n1=-1\n")
        << QVariantMap {{"current/difficulty", "2"}, {"highscore/0", "12"}, {"highscore/1", "-1"}};
    QTest::newRow("mark, blanks, other line ends")
        << QByteArray("\xef\xbb\xbf[current]\r\n  difficulty =\t3 \r\r[s]\rk=v")
        << QVariantMap {{"current/difficulty", "3"}, {"s/k", "v"}};
    QTest::newRow("keys without a section")
        << QByteArray("a=1\n[General]\nb=2\n[general]\nc\\d=3\n[]\ne=4\n[x\\y]\nz=5\n")
        << QVariantMap {{"a", "1"}, {"b", "2"}, {"c/d", "3"}, {"e", "4"}, {"x/y/z", "5"}};
    QTest::newRow("blanks after an empty value")
        << QByteArray("[s]\nk= \t\nm=1\n") << QVariantMap {{"s/k", ""}, {"s/m", "1"}};
    QTest::newRow("comments and stray lines")
        << QByteArray("; a\n# b\n[s]\nno equals\n=no key\nk=a=b\n[unclosed\nv=1\n")
        << QVariantMap {{"s/k", "a=b"}, {"unclosed/v", "1"}};
    QTest::newRow("typed values and any byte stay text")
        << QByteArray("[t]\nd=\"@DateTime(\\0\\xff\xff\x01)\"\nv=@Variant(\\0\\x7f)\nl=a, b\nn=")
            + QByteArray("\0\x80\n", 3)
        << QVariantMap {{"t/d", QString::fromLatin1("\"@DateTime(\\0\\xff\xff\x01)\"")},
               {"t/v", "@Variant(\\0\\x7f)"}, {"t/l", "a, b"},
               {"t/n", QString::fromLatin1("\0\x80", 2)}};
}

// What a file holds reads as text, and survives being written back and read again. That files of
// the native store read the same, and the other way round, the engine's tests show: they write
// and read the store natively.
void TestSettingsFormat::readsAndWritesBack()
{
    QFETCH(QByteArray, file);
    QFETCH(QVariantMap, values);

    QFile store(storePath());
    QVERIFY(store.open(QIODevice::WriteOnly | QIODevice::Truncate));
    store.write(file);
    store.close();

    QScopedPointer<QSettings> settings(openStore());
    QCOMPARE(contents(*settings), values);
    settings->setValue(QStringLiteral("written"), 1);
    settings->sync();
    QCOMPARE(settings->status(), QSettings::NoError);

    values.insert(QStringLiteral("written"), QStringLiteral("1"));
    QCOMPARE(fileContents(), values);
}

// A value given by the program cannot add lines to the file.
void TestSettingsFormat::lineBreakStaysInItsValue()
{
    QScopedPointer<QSettings> settings(openStore());
    settings->clear();
    settings->setValue(QStringLiteral("s/k"), QStringLiteral("a\n[x]\r\nb=c"));
    settings->sync();
    QCOMPARE(fileContents(), QVariantMap({{"s/k", "a\\n[x]\\r\\nb=c"}}));
}

PLIVORA_TEST_MAIN(TestSettingsFormat)
#include "tst_settingsformat.moc"
