// SPDX-License-Identifier: GPL-3.0-or-later
#include "rotationinput.h"
#include "sensorchoice.h"
#include "testsupport.h"

#include <QAccelerometer>
#include <QElapsedTimer>
#include <QRotationSensor>
#include <QSensorManager>
#include <QSignalSpy>
#include <QTimer>
#include <QWidget>
#include <QtMath>

using namespace TestSupport;

namespace {

// Counts the direction signals of an input by name.
struct Moves
{
    explicit Moves(Input &input)
        : left(&input, &Input::MoveLeft),
          right(&input, &Input::MoveRight),
          up(&input, &Input::MoveUp),
          down(&input, &Input::MoveDown)
    { }
    int total() const { return left.count() + right.count() + up.count() + down.count(); }
    QStringList names() const
    {
        QStringList list;
        for (int i = 0; i < left.count(); ++i)
            list << "left";
        for (int i = 0; i < right.count(); ++i)
            list << "right";
        for (int i = 0; i < up.count(); ++i)
            list << "up";
        for (int i = 0; i < down.count(); ++i)
            list << "down";
        return list;
    }
    QSignalSpy left, right, up, down;
};

// A rotation input on a clock that the test sets.
struct TiltRig
{
    TiltRig() : input(nullptr, [this] { return now; }), moves(input) { }
    qint64 now = 0;
    RotationInput input;
    Moves moves;
};

struct Reading
{
    qint64 at; // on the input's clock
    qreal x;
    qreal y;
};

// Notes whether the tilt sensor had been started when the widget watched first painted.
struct FirstPaint : QObject
{
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            sensorStarted = TestSensors::rotationStarted();
        }
        return false;
    }
    bool painted = false;
    bool sensorStarted = false;
};

QtMessageHandler previousHandler = nullptr;
QStringList capturedMessages;

void captureMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    capturedMessages << message;
}

} // namespace

Q_DECLARE_METATYPE(Reading)

class TestRotationInput : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void silentWithOnlySimulatedSensors();
    void thresholds_data();
    void thresholds();
    void pause_data();
    void pause();
    void realClockPausesFirstSecond();
    void sensorOnceWindowHasDrawn();
    void realAccelerometerBesideDummy();
    void reportFollowsTheChoice_data();
    void reportFollowsTheChoice();

private:
    TestSensors sensors;
};

void TestRotationInput::cleanup()
{
    sensors.unregisterAll();
}

void TestRotationInput::silentWithOnlySimulatedSensors()
{
    // Only the machine's own plugins. Where they simulate a tilt (the dummy accelerometer behind
    // the generic rotation says the device stands tilted by 90 degrees), readings flow to any
    // plain rotation sensor; the input must ignore them, and say nothing about it.
    const QList<QByteArray> accelerometers = QSensor::sensorsForType(QAccelerometer::sensorType);
    for (const QByteArray &id : accelerometers) {
        if (!id.startsWith("dummy."))
            QSKIP("this machine has a real accelerometer");
    }

    // The input's clock stands far beyond its first-second pause, so any reading it got would act.
    previousHandler = qInstallMessageHandler(captureMessage);
    capturedMessages.clear();
    TiltRig rig;
    rig.now = 1000000;
    qInstallMessageHandler(previousHandler);

    QRotationSensor probe;
    QSignalSpy readings(&probe, &QRotationSensor::readingChanged);
    const bool simulated = probe.connectToBackend() && probe.start();

    // The input looks for its sensor once the event loop runs; then, while the probe receives a
    // few simulated readings, any sensor the input had started would receive them too.
    previousHandler = qInstallMessageHandler(captureMessage);
    QCoreApplication::processEvents();
    readings.clear();
    if (simulated)
        QTRY_VERIFY_WITH_TIMEOUT(readings.count() >= 3, 60000);
    qInstallMessageHandler(previousHandler);

    QCOMPARE(rig.moves.total(), 0);
    QCOMPARE(capturedMessages, QStringList());
}

void TestRotationInput::thresholds_data()
{
    QTest::addColumn<qreal>("x");
    QTest::addColumn<qreal>("y");
    QTest::addColumn<QStringList>("expected");

    const QStringList none;
    QTest::newRow("level") << 0.0 << 0.0 << none;
    QTest::newRow("y exactly 15") << 0.0 << 15.0 << none;
    QTest::newRow("y exactly -15") << 0.0 << -15.0 << none;
    QTest::newRow("x exactly 15") << 15.0 << 0.0 << none;
    QTest::newRow("x exactly -15") << -15.0 << 0.0 << none;
    QTest::newRow("both exactly 15") << 15.0 << -15.0 << none;
    QTest::newRow("y just over 15") << 0.0 << 15.001 << QStringList {"left"};
    QTest::newRow("y just under -15") << 0.0 << -15.001 << QStringList {"right"};
    QTest::newRow("x just over 15") << 15.001 << 0.0 << QStringList {"up"};
    QTest::newRow("x just under -15") << -15.001 << 0.0 << QStringList {"down"};
    QTest::newRow("y before x") << 30.0 << 20.0 << QStringList {"left"};
    QTest::newRow("negative y before x") << -40.0 << -20.0 << QStringList {"right"};
    QTest::newRow("x -16, y 0") << -16.0 << 0.0 << QStringList {"down"};
    QTest::newRow("steep") << 0.0 << 89.0 << QStringList {"left"};
}

void TestRotationInput::thresholds()
{
    QFETCH(qreal, x);
    QFETCH(qreal, y);
    QFETCH(QStringList, expected);

    sensors.registerRotation(true);
    TiltRig rig;
    QTRY_VERIFY(TestSensors::rotationStarted());
    rig.now = 5000;
    TestSensors::pushRotation(x, y);
    QCOMPARE(rig.moves.names(), expected);
}

void TestRotationInput::pause_data()
{
    QTest::addColumn<QList<Reading>>("readings");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("from construction: 999 ms too soon, 1000 ms enough")
        << QList<Reading> {{999, 0, 40}, {1000, 0, 40}} << QStringList {"left"};
    QTest::newRow("from a move: 999 ms too soon, 1000 ms enough") << QList<Reading> {
        {1000, 0, 40}, {1999, -40, 0}, {2000, -40, 0}} << QStringList({"left", "down"});

    QList<Reading> held;
    for (qint64 at = 0; at <= 3500; at += 100)
        held.append({at, 20, 0});
    QTest::newRow("held tilt: one move a second") << held << QStringList({"up", "up", "up"});

    // Level readings do not restart the pause: the next tilt acts a second after the last move.
    QList<Reading> quiet {{1000, 0, -30}};
    for (qint64 at = 1100; at <= 1900; at += 100)
        quiet.append({at, 1, -2});
    quiet.append({2000, 0, -30});
    QTest::newRow("level readings keep the pause") << quiet << QStringList({"right", "right"});
}

void TestRotationInput::pause()
{
    QFETCH(QList<Reading>, readings);
    QFETCH(QStringList, expected);

    sensors.registerRotation(true);
    TiltRig rig;
    QTRY_VERIFY(TestSensors::rotationStarted());
    for (const Reading &reading : readings) {
        rig.now = reading.at;
        TestSensors::pushRotation(reading.x, reading.y);
    }
    QCOMPARE(rig.moves.names(), expected);
}

void TestRotationInput::realClockPausesFirstSecond()
{
    PLIVORA_SYSTEM_TEST();
    // Each stopwatch starts before the event it measures from and is read after the one it
    // measures to, so it never shows less than the time the input measures, within the one
    // millisecond that its two whole-millisecond readings may add: a busy machine makes the test
    // wait longer, never fail.
    sensors.registerRotation(true);
    QElapsedTimer sinceConstruction;
    sinceConstruction.start();
    RotationInput input(nullptr);
    Moves moves(input);
    QTRY_VERIFY(TestSensors::rotationStarted());

    // A tilt held from the start acts once the first second is over, not before. The readings
    // stop with the one that acts.
    QElapsedTimer beforePush;
    QTimer tilt;
    connect(&tilt, &QTimer::timeout, &tilt, [&] {
        beforePush.start();
        TestSensors::pushRotation(0, 40);
        if (moves.total() > 0)
            tilt.stop();
    });
    tilt.start(20);
    QTRY_VERIFY_WITH_TIMEOUT(moves.total() > 0, 60000);
    QVERIFY(sinceConstruction.elapsed() >= 999);
    QCOMPARE(moves.names(), QStringList {"left"});

    // The next reading, at once, is within the pause that the move began.
    const QElapsedTimer sinceMove = beforePush;
    TestSensors::pushRotation(0, 40);
    QVERIFY(moves.total() == 1 || sinceMove.elapsed() >= 999);
}

void TestRotationInput::sensorOnceWindowHasDrawn()
{
    // Finding the sensor loads plugins: a window shown draws its first frame before that.
    sensors.registerRotation(true);
    QWidget window;
    FirstPaint watch;
    window.installEventFilter(&watch);
    window.show();
    RotationInput input(nullptr);
    QTRY_VERIFY(TestSensors::rotationStarted());
    QVERIFY(watch.painted);
    QVERIFY(!watch.sensorStarted);
}

void TestRotationInput::realAccelerometerBesideDummy()
{
    // A real accelerometer next to the dummy one, with the dummy as the configured default:
    // the generic rotation must be computed from the real one.
    sensors.registerAccelerometer();
    if (!QSensor::sensorsForType(QAccelerometer::sensorType).contains("dummy.accelerometer")
        || !QSensor::sensorsForType(QRotationSensor::sensorType).contains("generic.rotation"))
        QSKIP("this machine has no dummy accelerometer and generic rotation");
    QSensorManager::setDefaultBackend(QAccelerometer::sensorType, "dummy.accelerometer");

    TiltRig rig;
    QTRY_VERIFY(TestSensors::accelerometerStarted());

    rig.now = 5000;
    const qreal g = 9.80665;
    TestSensors::pushAcceleration(0, 0, g); // lying flat
    QCOMPARE(rig.moves.total(), 0);
    // Tilted by 30 degrees about the y axis, the left edge down.
    TestSensors::pushAcceleration(
        -g * qSin(qDegreesToRadians(30.0)), 0, g * qCos(qDegreesToRadians(30.0)));
    QCOMPARE(rig.moves.names(), QStringList {"left"});

    // Nothing else drives it: while the dummy accelerometer delivers readings of its own, the input
    // stays quiet.
    rig.now = 9000;
    QAccelerometer dummy;
    dummy.setIdentifier("dummy.accelerometer");
    QSignalSpy dummyReadings(&dummy, &QAccelerometer::readingChanged);
    QVERIFY(dummy.start());
    QTRY_VERIFY_WITH_TIMEOUT(dummyReadings.count() >= 3, 60000);
    QCOMPARE(rig.moves.total(), 1);
}

void TestRotationInput::reportFollowsTheChoice_data()
{
    QTest::addColumn<bool>("rotation");
    QTest::addColumn<bool>("accelerometer");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("real accelerometer")
        << false << true
        << QStringList {"  generic.rotation: used, computed from plivora-test.accelerometer",
               "  plivora-test.accelerometer: a real accelerometer",
               "  dummy.accelerometer: passed over: simulated",
               "Tilt input: reads generic.rotation"};
    QTest::newRow("real rotation sensor")
        << true << true
        << QStringList {"  plivora-test.rotation: used",
               "  generic.rotation: passed over: plivora-test.rotation comes first",
               "Tilt input: reads plivora-test.rotation"};
}

void TestRotationInput::reportFollowsTheChoice()
{
    QFETCH(bool, rotation);
    QFETCH(bool, accelerometer);
    QFETCH(QStringList, lines);
    if (accelerometer)
        sensors.registerAccelerometer();
    if (rotation)
        sensors.registerRotation(true);
    if (!QSensor::sensorsForType(QAccelerometer::sensorType).contains("dummy.accelerometer")
        || !QSensor::sensorsForType(QRotationSensor::sensorType).contains("generic.rotation"))
        QSKIP("this machine has no dummy accelerometer and generic rotation");
    QSensorManager::setDefaultBackend(QAccelerometer::sensorType, "dummy.accelerometer");

    const QStringList report = SensorChoice().report();
    for (const QString &line : lines)
        QVERIFY2(report.contains(line), qPrintable(report.join('\n')));
    // Reporting changes nothing; the input then reads what the report names.
    QCOMPARE(QSensor::defaultSensorForType(QAccelerometer::sensorType), "dummy.accelerometer");
    TiltRig rig;
    if (rotation)
        QTRY_VERIFY(TestSensors::rotationStarted());
    else
        QTRY_VERIFY(TestSensors::accelerometerStarted());
    QCOMPARE(TestSensors::accelerometerStarted(), !rotation);
}

PLIVORA_TEST_MAIN(TestRotationInput)
#include "tst_rotationinput.moc"
