// SPDX-License-Identifier: GPL-3.0-or-later
#include "iioaccelerometer.h"
#include "rotationinput.h"
#include "sensorchoice.h"
#include "testsupport.h"

#include "puzzleui.h"

#include <QAccelerometer>
#include <QDir>
#include <QRegularExpression>
#include <QSensorManager>
#include <QSignalSpy>
#include <QTimer>

#include <chrono>
#include <thread>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace TestSupport;

namespace {

const QString Device = QLatin1String(FakeIio::DEVICE);
constexpr int Patience = 60000; // ms; a busy machine only makes the waits longer
// Readings or reads that a test waits for where nothing else may happen meanwhile.
constexpr int Ticks = 4;

// mxc4005 with scale and offset per axis, turned a quarter (device x = -chip y, device y = chip x).
const QStringList Mxc4005 {"in_accel_x_scale=0.0098", "in_accel_y_scale=0.0049",
    "in_accel_z_scale=0.0096", "in_accel_x_offset=-12", "in_accel_y_offset=7",
    "in_accel_z_offset=3", "in_accel_mount_matrix=0, -1, 0; 1, 0, 0; 0, 0, 1"};

// The tilt input on a clock that the test sets, and the moves it made.
struct Rig
{
    Rig() : input(nullptr, time.clock())
    {
        QObject::connect(&input, &Input::MoveLeft, [this] { moves << "left"; });
        QObject::connect(&input, &Input::MoveRight, [this] { moves << "right"; });
        QObject::connect(&input, &Input::MoveUp, [this] { moves << "up"; });
        QObject::connect(&input, &Input::MoveDown, [this] { moves << "down"; });
    }
    FakeClock time;
    RotationInput input;
    QStringList moves;
};

// An accelerometer on the backend, to see readings flow.
struct Probe
{
    Probe() : readings(&sensor, &QSensor::readingChanged)
    {
        sensor.setIdentifier(IioAccelerometer::IDENTIFIER);
        QVERIFY(sensor.start());
    }
    QAccelerometer sensor;
    QSignalSpy readings;
};

// Puts a named pipe in place of a raw value: a chip whose read waits until the test writes.
void makePipe(FakeIio &iio, const QString &file)
{
    QFile::remove(iio.path(file));
    QCOMPARE(::mkfifo(QFile::encodeName(iio.path(file)).constData(), 0600), 0);
}

// Answers one read of the device's pipe: once a read waits, writes text, and returns once it has
// been read. A reader that has done its read but not yet let go of the pipe may take the text
// into the pipe, where the next read finds it; one that let go refuses it, and the text waits
// for the next read.
bool answer(const QString &pipe, const QByteArray &text)
{
    for (;;) {
        const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_CLOEXEC);
        if (fd < 0)
            return false;
        if (::write(fd, text.constData(), size_t(text.size())) != text.size()) {
            ::close(fd);
            if (errno == EPIPE)
                continue;
            return false;
        }
        int unread = 0;
        while (::ioctl(fd, FIONREAD, &unread) == 0 && unread > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ::close(fd);
        return true;
    }
}

QStringList messages;

void captureMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    messages << message;
}

} // namespace

class TestIioAccelerometer : public QObject
{
    Q_OBJECT

private slots:
    // A chip's pipe refused by a reader that let go must not end the test.
    void initTestCase() { std::signal(SIGPIPE, SIG_IGN); }
    void offered_data();
    void offered();
    void tilt_data();
    void tilt();
    void brokenChipSaysNothing();
    void stoppedSensorReadsNothing();
    void systemAccelerometerFirst();
    void slowChipGivesTheLatestReading();
    void hungChipLetsTheGameClose();
    void cleanup() { sensors.unregisterAll(); }

private:
    TestSensors sensors;
};

void TestIioAccelerometer::offered_data()
{
    QTest::addColumn<QString>("scale");
    QTest::addColumn<bool>("offered");

    QTest::newRow("no device") << QString() << false;
    QTest::newRow("zero scale") << "0" << false;
    QTest::newRow("usable") << "0.009610" << true;
}

void TestIioAccelerometer::offered()
{
    QFETCH(QString, scale);
    QFETCH(bool, offered);

    {
        // Offered once, withdrawn when the device is no more.
        FakeIio before;
        before.writeAccelerometer(FakeIio::BMC150, {0, 0, -1020});
        QVERIFY(IioAccelerometer::offer().isValid());
    }
    FakeIio iio;
    if (!scale.isNull())
        iio.writeAccelerometer({"in_accel_scale=" + scale}, {-510, 0, 884}); // left edge down 30°
    QCOMPARE(IioAccelerometer::offer().isValid(), offered);
    QCOMPARE(
        QSensor::sensorsForType(QAccelerometer::sensorType).contains(IioAccelerometer::IDENTIFIER),
        offered);
    const QString found = offered ? "IIO accelerometer: iio:device0 at " + iio.path(Device)
                                  : "IIO accelerometer: none found in " + iio.path();
    const QStringList report = SensorChoice().report();
    QVERIFY2(report.contains(found), qPrintable(found));
    if (offered) {
        const QString reading = report.at(report.indexOf(found) + 1);
        QVERIFY2(reading.contains(QRegularExpression(
                     "^  one reading: [0-9.]+ ms, x -4.90, y 0.00, z 8.50 m/s²$")),
            qPrintable(reading));
    }

    Rig rig;
    rig.time.now = 5000;
    if (offered) {
        PLIVORA_TRY_COMPARE(rig.moves, QStringList {"left"}, Patience);
    } else {
        // Only the machine's simulated sensors are left: once one of them has given a probe a
        // reading, the input would have had one too, had it chosen it.
        QCoreApplication::processEvents(); // the input chooses
        QRotationSensor probe;
        QSignalSpy readings(&probe, &QSensor::readingChanged);
        if (probe.connectToBackend() && probe.start())
            PLIVORA_TRY_VERIFY(!readings.isEmpty(), Patience);
        QCOMPARE(rig.moves, QStringList());
    }
}

void TestIioAccelerometer::tilt_data()
{
    QTest::addColumn<QStringList>("chip");
    QTest::addColumn<QList<int>>("raw");
    QTest::addColumn<QStringList>("expected");

    // Raw values for 9.81 m/s² tilted 30° (sin 4.90, cos 8.49), or 10°.
    const QStringList none;
    const QStringList bmc150 = FakeIio::BMC150;
    QTest::newRow("bmc150 level") << bmc150 << QList {0, 0, -1020} << none;
    QTest::newRow("bmc150 10°") << bmc150 << QList {177, 0, -1005} << none;
    QTest::newRow("bmc150 left") << bmc150 << QList {510, 0, -884} << QStringList {"left"};
    QTest::newRow("bmc150 right") << bmc150 << QList {-510, 0, -884} << QStringList {"right"};
    QTest::newRow("bmc150 up") << bmc150 << QList {0, 510, -884} << QStringList {"up"};
    QTest::newRow("bmc150 down") << bmc150 << QList {0, -510, -884} << QStringList {"down"};
    QTest::newRow("mxc4005 level") << Mxc4005 << QList {12, -7, 1019} << none;
    QTest::newRow("mxc4005 10°") << Mxc4005 << QList {12, 341, 1003} << none;
    QTest::newRow("mxc4005 left") << Mxc4005 << QList {12, 994, 882} << QStringList {"left"};
    QTest::newRow("mxc4005 right") << Mxc4005 << QList {12, -1008, 882} << QStringList {"right"};
    QTest::newRow("mxc4005 up") << Mxc4005 << QList {512, -7, 882} << QStringList {"up"};
    QTest::newRow("mxc4005 down") << Mxc4005 << QList {-488, -7, 882} << QStringList {"down"};
}

void TestIioAccelerometer::tilt()
{
    QFETCH(QStringList, chip);
    QFETCH(QList<int>, raw);
    QFETCH(QStringList, expected);

    FakeIio iio;
    iio.writeAccelerometer(chip, raw);
    QVERIFY(IioAccelerometer::offer().isValid());
    Rig rig;
    rig.time.now = 5000; // the repeat pause is over
    // The rig's sensor started first, so it has read the device at least as often as the probe.
    Probe probe;
    PLIVORA_TRY_VERIFY(probe.readings.count() >= Ticks, Patience);
    PLIVORA_TRY_COMPARE(rig.moves, expected, Patience);
}

void TestIioAccelerometer::brokenChipSaysNothing()
{
    // Reads that give no number (a chip that answers with an error) give no reading and say
    // nothing, until the chip answers again. Each answer comes after the read before it has
    // ended, so whatever that read sent is there for the event loop.
    FakeIio iio;
    iio.writeAccelerometer(Mxc4005, {12, 994, 882}); // left edge down: x -4.9
    const QString x = iio.path(Device + "/in_accel_x_raw");
    makePipe(iio, Device + "/in_accel_x_raw");
    QVERIFY(IioAccelerometer::offer().isValid());
    Watchdog watchdog(60000, "a broken chip");
    Probe probe;
    QtMessageHandler previous = qInstallMessageHandler(captureMessage);
    for (int read = 0; read < Ticks; ++read) {
        QVERIFY(answer(x, "busy"));
        QCoreApplication::processEvents();
    }
    const qsizetype broken = probe.readings.count();
    QVERIFY(answer(x, "12"));
    PLIVORA_TRY_VERIFY(!probe.readings.isEmpty(), Patience);
    qInstallMessageHandler(previous);
    QCOMPARE(broken, 0);
    QCOMPARE(messages, QStringList());
    QVERIFY(qAbs(probe.sensor.reading()->x() + 4.9) < 0.01);
}

void TestIioAccelerometer::stoppedSensorReadsNothing()
{
    // By the time a sensor started later has had its readings, the stopped one would have had
    // as many.
    FakeIio iio;
    iio.writeAccelerometer(Mxc4005, {12, -7, 1019});
    QVERIFY(IioAccelerometer::offer().isValid());
    Probe stopped;
    PLIVORA_TRY_VERIFY(!stopped.readings.isEmpty(), Patience);
    stopped.sensor.stop();
    stopped.readings.clear();
    Probe later;
    PLIVORA_TRY_VERIFY(later.readings.count() >= Ticks, Patience);
    QCOMPARE(stopped.readings.count(), 0);
}

void TestIioAccelerometer::systemAccelerometerFirst()
{
    // An accelerometer of the system's own sensor plugins goes first, even when the kernel's
    // is the configured default.
    sensors.registerAccelerometer();
    FakeIio iio;
    iio.writeAccelerometer(FakeIio::BMC150, {510, 0, -884}); // left edge down
    QVERIFY(IioAccelerometer::offer().isValid());
    QSensorManager::setDefaultBackend(QAccelerometer::sensorType, IioAccelerometer::IDENTIFIER);
    QVERIFY(SensorChoice().report().contains(
        "  plivora.iio.accelerometer: passed over: plivora-test.accelerometer comes first"));

    Rig rig;
    PLIVORA_TRY_VERIFY(TestSensors::accelerometerStarted(), Patience);
    rig.time.now = 5000;
    Probe probe;
    PLIVORA_TRY_VERIFY(probe.readings.count() >= Ticks, Patience);
    QCOMPARE(rig.moves, QStringList());
    TestSensors::pushAcceleration(4.9, 0, 8.5); // right edge down
    QCOMPARE(rig.moves, QStringList {"right"});
}

void TestIioAccelerometer::slowChipGivesTheLatestReading()
{
    FakeIio iio;
    iio.writeAccelerometer(Mxc4005, {12, -7, 1019});
    const QString z = iio.path(Device + "/in_accel_z_raw");
    makePipe(iio, Device + "/in_accel_z_raw");
    QVERIFY(IioAccelerometer::offer().isValid());
    Watchdog watchdog(60000, "a slow chip");
    Probe probe;

    // While the chip measures, the event loop runs and no reading comes. The read has begun once
    // it has the pipe open; held open for writing, the pipe keeps it waiting for its answer.
    int chip = -1;
    PLIVORA_TRY_VERIFY(
        (chip = ::open(QFile::encodeName(z).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC)) >= 0,
        Patience);
    QCoreApplication::processEvents();
    QCOMPARE(probe.readings.count(), 0);

    // Three readings while this thread is busy, the first maybe from before the tilt: only the
    // latest comes, once. A fourth read, which fails, begins only after the third has gone.
    iio.write(Device + "/in_accel_y_raw", "-1008");
    for (int reading = 0; reading < 3; ++reading)
        QVERIFY(answer(z, "882"));
    QVERIFY(answer(z, "none"));
    QCoreApplication::processEvents();
    QCOMPARE(probe.readings.count(), 1);
    QVERIFY(qAbs(probe.sensor.reading()->x() - 4.9) < 0.01);
    ::close(chip);
}

void TestIioAccelerometer::hungChipLetsTheGameClose()
{
    // A chip that never answers: the game plays on and closes, and the test program ends without
    // waiting for the read, which stays behind for the life of the process.
    FakeIio iio;
    iio.writeAccelerometer(FakeIio::BMC150, {0, 0, -1020});
    makePipe(iio, Device + "/in_accel_z_raw");
    Watchdog watchdog(60000, "a hung chip");
    auto *window = new PuzzleUI;
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    // Opened for writing once a read waits, and never written: the read waits for ever. The
    // game looks for its sensor once its window has drawn, so the events run meanwhile.
    const QByteArray pipe = QFile::encodeName(iio.path(Device + "/in_accel_z_raw"));
    PLIVORA_TRY_VERIFY(::open(pipe.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC) >= 0, Patience);

    QTimer::singleShot(0, window, [window] { window->close(); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!window->isVisible());
    delete window;
}

PLIVORA_TEST_MAIN(TestIioAccelerometer)
#include "tst_iioaccelerometer.moc"
