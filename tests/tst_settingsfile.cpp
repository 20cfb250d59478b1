// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsfile.h"
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

// Sets key to value, waiting for the lock however long the machine takes.
bool store(const QString &name, const QString &key, const QString &value)
{
    return !SettingsFile(name, std::numeric_limits<int>::max()).update([&](SettingsFormat &text) {
        text.setValue(key, value);
    });
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void killedWritesLeaveOldOrNew();
    void writerWaitsForTheLock();

private:
    QString name;
};

void TestSettingsFile::init()
{
    name = QStandardPaths::writableLocation(QStandardPaths::ConfigLocation) + u'/'
        + QLatin1String(QTest::currentTestFunction()) + QStringLiteral(".conf");
}

void TestSettingsFile::killedWritesLeaveOldOrNew()
{
    // Other settings long enough that a write takes a while, and is often cut short.
    const QString filler(1 << 14, u'x');
    QVERIFY(store(name, QStringLiteral("other/filler"), filler));
    for (int kill = 0; kill < 200; ++kill) {
        const pid_t writer = fork();
        for (int seconds = 1; writer == 0; ++seconds)
            store(name, QStringLiteral("highscore/0"), QString::number(seconds));
        ::usleep(QRandomGenerator::global()->bounded(500));
        ::kill(writer, SIGKILL);
        QCOMPARE(::waitpid(writer, nullptr, 0), writer);

        const SettingsFormat text = SettingsFile(name).read().value;
        QCOMPARE(text.value(QStringLiteral("other/filler")), filler);
        QVERIFY(text.keys().size() == 1 || text.value(QStringLiteral("highscore/0"))->toInt() > 0);
    }

    // A writer killed holding the lock, once it has said who holds it, leaves it to the next.
    for (const char *lock : {".lock", ".lock.rmlock"})
        QFile::remove(name + QLatin1String(lock));
    const pid_t holder = fork();
    if (holder == 0) {
        QLockFile lock(name + QStringLiteral(".lock"));
        lock.lock();
        ::raise(SIGKILL);
    }
    QCOMPARE(::waitpid(holder, nullptr, 0), holder);
    QVERIFY(QFile::exists(name + QStringLiteral(".lock")));
    QVERIFY(!SettingsFile(name).update([](SettingsFormat &) {}));
}

void TestSettingsFile::writerWaitsForTheLock()
{
    // Another writer holds the lock, and writes a moment after the update has begun: time enough
    // for an update that did not wait to be done, and overwritten.
    QLockFile held(name + QStringLiteral(".lock"));
    QVERIFY(held.lock());
    bool saved = false;
    std::thread writer([this, &saved] { saved = store(name, QStringLiteral("b"), "2"); });
    QThread::msleep(20);
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("a=1\n") > 0);
    file.close();
    held.unlock();
    writer.join();

    QVERIFY(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), "a=1\nb=2\n");
}

PLIVORA_TEST_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
