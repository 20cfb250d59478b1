#include "rotationinput.h"
#include "testsupport.h"

#include <QAccelerometer>
#include <QRotationSensor>
#include <QSensorManager>
#include <QSignalSpy>
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

QtMessageHandler previousHandler = nullptr;
QStringList capturedMessages;

void captureMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    capturedMessages << message;
}

} // namespace

class TestRotationInput : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void silentWithOnlySimulatedSensors();
    void thresholds_data();
    void thresholds();
    void pauseEdges();
    void heldTiltMovesOncePerSecond();
    void quietReadingsKeepThePause();
    void realClockPausesFirstSecond();
    void realAccelerometerBesideDummy();

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

    previousHandler = qInstallMessageHandler(captureMessage);
    capturedMessages.clear();
    RotationInput input(nullptr);
    Moves moves(input);
    qInstallMessageHandler(previousHandler);

    QRotationSensor probe;
    QSignalSpy readings(&probe, &QRotationSensor::readingChanged);
    const bool simulated = probe.connectToBackend() && probe.start();

    previousHandler = qInstallMessageHandler(captureMessage);
    QTest::qWait(3000);
    qInstallMessageHandler(previousHandler);

    if (simulated)
        QVERIFY2(readings.count() > 0, "the simulated sensor delivered no readings");
    QCOMPARE(moves.total(), 0);
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
    qint64 now = 0;
    RotationInput input(nullptr, [&now] { return now; });
    QTRY_VERIFY(TestSensors::rotationStarted());
    Moves moves(input);

    now = 5000;
    TestSensors::pushRotation(x, y);
    QCOMPARE(moves.names(), expected);
}

void TestRotationInput::pauseEdges()
{
    sensors.registerRotation(true);
    qint64 now = 0;
    RotationInput input(nullptr, [&now] { return now; });
    QTRY_VERIFY(TestSensors::rotationStarted());
    Moves moves(input);

    // From construction, then from the last move: 999 ms is too soon, 1000 ms is enough.
    now = 999;
    TestSensors::pushRotation(0, 40);
    QCOMPARE(moves.total(), 0);
    now = 1000;
    TestSensors::pushRotation(0, 40);
    QCOMPARE(moves.names(), QStringList {"left"});
    now = 1999;
    TestSensors::pushRotation(-40, 0);
    QCOMPARE(moves.total(), 1);
    now = 2000;
    TestSensors::pushRotation(-40, 0);
    QCOMPARE(moves.names(), QStringList({"left", "down"}));
}

void TestRotationInput::heldTiltMovesOncePerSecond()
{
    sensors.registerRotation(true);
    qint64 now = 0;
    RotationInput input(nullptr, [&now] { return now; });
    QTRY_VERIFY(TestSensors::rotationStarted());
    Moves moves(input);

    for (now = 0; now <= 3500; now += 100)
        TestSensors::pushRotation(20, 0);
    QCOMPARE(moves.names(), QStringList({"up", "up", "up"}));
}

void TestRotationInput::quietReadingsKeepThePause()
{
    sensors.registerRotation(true);
    qint64 now = 0;
    RotationInput input(nullptr, [&now] { return now; });
    QTRY_VERIFY(TestSensors::rotationStarted());
    Moves moves(input);

    now = 1000;
    TestSensors::pushRotation(0, -30);
    QCOMPARE(moves.total(), 1);
    // Level readings do not restart the pause: the next tilt acts a second after the last move.
    for (now = 1100; now <= 1900; now += 100)
        TestSensors::pushRotation(1, -2);
    now = 2000;
    TestSensors::pushRotation(0, -30);
    QCOMPARE(moves.names(), QStringList({"right", "right"}));
}

void TestRotationInput::realClockPausesFirstSecond()
{
    sensors.registerRotation(true);
    RotationInput input(nullptr);
    Moves moves(input);
    QTRY_VERIFY(TestSensors::rotationStarted());

    TestSensors::pushRotation(0, 40);
    QCOMPARE(moves.total(), 0);
    QTest::qWait(1100);
    TestSensors::pushRotation(0, 40);
    QCOMPARE(moves.names(), QStringList {"left"});
    TestSensors::pushRotation(0, 40);
    QCOMPARE(moves.total(), 1);
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

    qint64 now = 0;
    RotationInput input(nullptr, [&now] { return now; });
    Moves moves(input);
    QTRY_VERIFY(TestSensors::accelerometerStarted());

    now = 5000;
    const qreal g = 9.80665;
    TestSensors::pushAcceleration(0, 0, g); // lying flat
    QCOMPARE(moves.total(), 0);
    // Tilted by 30 degrees about the y axis, the left edge down.
    TestSensors::pushAcceleration(
        -g * qSin(qDegreesToRadians(30.0)), 0, g * qCos(qDegreesToRadians(30.0)));
    QCOMPARE(moves.names(), QStringList {"left"});

    // Nothing else drives it: a few seconds without readings from the real sensor stay quiet.
    now = 9000;
    QTest::qWait(1500);
    QCOMPARE(moves.total(), 1);
}

PLIVORA_TEST_MAIN(TestRotationInput)
#include "tst_rotationinput.moc"
