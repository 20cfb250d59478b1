// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsformat.h"
#include "testsupport.h"

namespace {

QVariantMap contents(const SettingsFormat &text)
{
    QVariantMap map;
    const QStringList keys = text.keys();
    for (const QString &key : keys)
        map.insert(key, *text.value(key));
    return map;
}

} // namespace

class TestSettingsFormat : public QObject
{
    Q_OBJECT

private slots:
    void readsAndWritesBack_data();
    void readsAndWritesBack();
    void lineBreakStaysInItsValue();
};

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

// What a file holds reads as text, and a value added leaves every other byte where it was. That
// files of the native store read the same, and the other way round, the engine's tests show: they
// write and read the store natively.
void TestSettingsFormat::readsAndWritesBack()
{
    QFETCH(QByteArray, file);
    QFETCH(QVariantMap, values);

    SettingsFormat text(file);
    QCOMPARE(contents(text), values);
    text.setValue(QStringLiteral("written"), QStringLiteral("1"));
    values.insert(QStringLiteral("written"), QStringLiteral("1"));
    QCOMPARE(contents(SettingsFormat(text.text())), values);
    QCOMPARE(QByteArray(text.text()).replace("written=1\n", ""), file);
}

// A value given by the program cannot add lines to the file.
void TestSettingsFormat::lineBreakStaysInItsValue()
{
    SettingsFormat text;
    text.setValue(QStringLiteral("s/k"), QStringLiteral("a\n[x]\r\nb=c"));
    QCOMPARE(contents(SettingsFormat(text.text())), QVariantMap({{"s/k", "a\\n[x]\\r\\nb=c"}}));
}

PLIVORA_TEST_MAIN(TestSettingsFormat)
#include "tst_settingsformat.moc"
