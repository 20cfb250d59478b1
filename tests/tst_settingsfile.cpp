// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsfile.h"
#include "settingsformat.h"
#include "testsupport.h"

#include <QLockFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

QSettings::SettingsMap readFile(const QString &name)
{
    QSettings::SettingsMap values;
    QFile file(name);
    if (file.open(QIODevice::ReadOnly))
        SettingsFormat::read(file, values);
    return values;
}

// Forks a process that runs body and is then killed by the test.
pid_t forked(const std::function<void()> &body)
{
    const pid_t child = fork();
    if (child == 0) {
        body();
        ::raise(SIGKILL);
    }
    return child;
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void killedWritesLeaveOldOrNew();
    void lockOfTheDeadTakenOver();
    void writerWaitsForTheLock();

private:
    QString name;
};

void TestSettingsFile::init()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::ConfigLocation);
    name = folder + QStringLiteral("/") + QLatin1String(QTest::currentTestFunction()) + ".conf";
    QFile::remove(name);
}

void TestSettingsFile::killedWritesLeaveOldOrNew()
{
    // Other settings long enough that a write takes a while, and is often cut short.
    const QString filler(1 << 18, u'x');
    QVERIFY(SettingsFile(name).update([&filler](QSettings::SettingsMap &values) {
        values.insert(QStringLiteral("other/filler"), filler);
        values.insert(QStringLiteral("highscore/0"), 0);
    }));
    for (int kill = 0; kill < 200; ++kill) {
        const pid_t writer = forked([this] {
            for (int seconds = 1;; ++seconds) {
                SettingsFile(name).update([seconds](QSettings::SettingsMap &values) {
                    values.insert(QStringLiteral("highscore/0"), seconds);
                });
            }
        });
        QVERIFY(writer > 0);
        ::usleep(QRandomGenerator::global()->bounded(1000));
        ::kill(writer, SIGKILL);
        QCOMPARE(::waitpid(writer, nullptr, 0), writer);

        const QSettings::SettingsMap values = readFile(name);
        QCOMPARE(values.size(), 2);
        QCOMPARE(values.value(QStringLiteral("other/filler")).toString(), filler);
        bool number = false;
        values.value(QStringLiteral("highscore/0")).toString().toInt(&number);
        QVERIFY(number);
    }
}

void TestSettingsFile::lockOfTheDeadTakenOver()
{
    const pid_t holder = forked([this] {
        QLockFile lock(name + QStringLiteral(".lock"));
        lock.lock();
        ::raise(SIGKILL);
    });
    QCOMPARE(::waitpid(holder, nullptr, 0), holder);
    QVERIFY(QFile::exists(name + QStringLiteral(".lock")));

    // However long the machine takes: a live holder would make it wait, never fail, here.
    SettingsFile file(name, std::numeric_limits<int>::max());
    QVERIFY(file.update([](QSettings::SettingsMap &values) { values.insert("a", 1); }));
    QCOMPARE(readFile(name).value("a").toString(), "1");
}

void TestSettingsFile::writerWaitsForTheLock()
{
    // Another writer holds the lock, and changes the file a moment after the update has begun:
    // time enough for an update that did not wait to be done, and overwritten.
    QLockFile held(name + QStringLiteral(".lock"));
    QVERIFY(held.lock());
    bool saved = false;
    std::thread writer([this, &saved] {
        saved = SettingsFile(name, std::numeric_limits<int>::max())
                    .update([](QSettings::SettingsMap &values) { values.insert("b", 2); });
    });
    QThread::msleep(20);
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write("a=1\n") > 0);
    file.close();
    held.unlock();
    writer.join();

    QVERIFY(saved);
    const QSettings::SettingsMap values = readFile(name);
    QCOMPARE(values.value("a").toString(), "1");
    QCOMPARE(values.value("b").toString(), "2");
}

PLIVORA_TEST_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
