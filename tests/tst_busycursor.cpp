// SPDX-License-Identifier: GPL-3.0-or-later
#include "busycursor.h"
#include "testsupport.h"

#include <QSemaphore>
#include <QTimer>

#include <atomic>
#include <thread>

// A picture job that takes long shows the busy cursor while the game waits for it, handling no
// events meanwhile.
class TestBusyCursor : public QObject
{
    Q_OBJECT

private slots:
    void busyWhileTheJobRuns();
};

void TestBusyCursor::busyWhileTheJobRuns()
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    bool timerFired = false;
    QTimer::singleShot(0, this, [&] { timerFired = true; });

    // The job ends only once the busy cursor has been seen; a zero threshold makes it due at once.
    QSemaphore release;
    std::atomic<bool> sawBusy = false;
    std::thread watcher([&] {
        while (!QGuiApplication::overrideCursor()
            || QGuiApplication::overrideCursor()->shape() != Qt::BusyCursor)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        sawBusy = true;
        release.release();
    });
    const QImage result = BusyCursor::wait(
        [&] {
            release.acquire();
            return picture;
        },
        std::chrono::milliseconds(0));
    watcher.join();

    QVERIFY(sawBusy);
    QCOMPARE(result, picture);
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(!timerFired);
    PLIVORA_TRY_VERIFY(timerFired, 60000);
}

PLIVORA_TEST_MAIN(TestBusyCursor)
#include "tst_busycursor.moc"
