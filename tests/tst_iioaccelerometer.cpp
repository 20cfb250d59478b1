#include "iioaccelerometer.h"
#include "rotationinput.h"
#include "testsupport.h"

#include <QAccelerometer>
#include <QDir>
#include <QRegularExpression>
#include <QRotationSensor>
#include <QSignalSpy>
#include <QtMath>

using namespace TestSupport;

namespace {

const QString Device = QStringLiteral("iio:device0");
const double G = 9.80665;

// How a kind of chip turns acceleration into raw values: its calibration files, and per axis
// the scale, the offset and the device axis it measures (+1 = x, -2 = minus y, ...).
struct Chip
{
    QStringList files;
    double scale[3];
    double offset[3];
    int deviceAxis[3];
};

// bmc150 on the back of the board; mxc4005 with its own scale and offset per axis, turned a
// quarter.
const Chip Bmc150 {
    {"name=bmc150_accel", "in_accel_scale=0.009610", "mount_matrix=-1, 0, 0; 0, 1, 0; 0, 0, -1"},
    {0.00961, 0.00961, 0.00961}, {0, 0, 0}, {-1, 2, -3}};
const Chip Mxc4005 {{"name=mxc4005", "in_accel_x_scale=0.0098", "in_accel_y_scale=0.0049",
                        "in_accel_z_scale=0.0096", "in_accel_x_offset=-12", "in_accel_y_offset=7",
                        "in_accel_z_offset=3", "in_accel_mount_matrix=0, -1, 0; 1, 0, 0; 0, 0, 1"},
    {0.0098, 0.0049, 0.0096}, {-12, 7, 3}, {2, -1, 3}};

// Writes the chip's files with the raw values that read as the given device acceleration.
void writeDevice(FakeIio &iio, const Chip &chip, const QList<double> &device)
{
    QStringList lines;
    for (const QString &file : chip.files)
        lines << Device + '/' + file;
    for (int axis = 0; axis < 3; ++axis) {
        const int target = chip.deviceAxis[axis];
        const double value = (target > 0 ? 1 : -1) * device.at(qAbs(target) - 1);
        const qint64 raw = qRound64(value / chip.scale[axis] - chip.offset[axis]);
        lines
            << QStringLiteral("%1/in_accel_%2_raw=%3").arg(Device).arg(QChar('x' + axis)).arg(raw);
    }
    iio.write(lines);
}

QList<double> tiltedAbout(int axis, double degrees)
{
    const double s = G * qSin(qDegreesToRadians(degrees)), c = G * qCos(qDegreesToRadians(degrees));
    return axis == 0 ? QList<double> {0, s, c} : QList<double> {-s, 0, c};
}

struct Rig
{
    Rig() : input(nullptr, [this] { return now; })
    {
        const QStringList names {"left", "right", "up", "down"};
        bool (Input::*moveSignals[])() = {
            &Input::MoveLeft, &Input::MoveRight, &Input::MoveUp, &Input::MoveDown};
        for (int i = 0; i < 4; ++i)
            QObject::connect(&input, moveSignals[i], [this, name = names[i]] { moves << name; });
    }
    qint64 now = 0;
    RotationInput input;
    QStringList moves;
};

// An accelerometer on the backend that shows when readings flow.
struct Probe
{
    Probe() : readings(&sensor, &QSensor::readingChanged)
    {
        sensor.setIdentifier(IioAccelerometer::Identifier);
        QVERIFY(sensor.start());
    }
    QAccelerometer sensor;
    QSignalSpy readings;
};

QStringList messages;

void captureMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    messages << message;
}

} // namespace

Q_DECLARE_METATYPE(Chip)

class TestIioAccelerometer : public QObject
{
    Q_OBJECT

private slots:
    void offered_data();
    void offered();
    void tilt_data();
    void tilt();
    void brokenAndStopped();
};

void TestIioAccelerometer::offered_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("offered");

    const QStringList tilted {"in_accel_x_raw=-500", "in_accel_y_raw=0", "in_accel_z_raw=850"};
    QTest::newRow("none") << QStringList() << false;
    QTest::newRow("zero scale") << QStringList {"in_accel_scale=0"} + tilted << false;
    QTest::newRow("usable") << QStringList {"in_accel_scale=0.01"} + tilted << true;
}

void TestIioAccelerometer::offered()
{
    QFETCH(QStringList, files);
    QFETCH(bool, offered);

    {
        // Offered once; withdrawn when the device is no more.
        FakeIio before;
        writeDevice(before, Bmc150, tiltedAbout(1, 0));
        QVERIFY(IioAccelerometer::offer().isValid());
    }
    FakeIio iio;
    iio.write(files.replaceInStrings(QRegularExpression("^"), Device + '/'));
    QCOMPARE(IioAccelerometer::offer().isValid(), offered);
    QCOMPARE(
        QSensor::sensorsForType(QAccelerometer::sensorType).contains(IioAccelerometer::Identifier),
        offered);

    Rig rig;
    rig.now = 5000;
    if (offered) {
        QTRY_COMPARE(rig.moves, QStringList {"left"});
    } else {
        QTest::qWait(1000);
        QCOMPARE(rig.moves, QStringList());
    }
}

void TestIioAccelerometer::tilt_data()
{
    QTest::addColumn<Chip>("chip");
    QTest::addColumn<QList<double>>("acceleration");
    QTest::addColumn<QStringList>("expected");

    const char *names[] = {"bmc150", "mxc4005"};
    const Chip chips[] = {Bmc150, Mxc4005};
    for (int i = 0; i < 2; ++i) {
        const auto row = [&](const char *what) -> QTestData & {
            return QTest::addRow("%s, %s", names[i], what) << chips[i];
        };
        row("level") << tiltedAbout(0, 0) << QStringList();
        row("10 degrees") << tiltedAbout(1, 10) << QStringList();
        row("left edge down") << tiltedAbout(1, 30) << QStringList {"left"};
        row("right edge down") << tiltedAbout(1, -30) << QStringList {"right"};
        row("top edge up") << tiltedAbout(0, 30) << QStringList {"up"};
        row("top edge down") << tiltedAbout(0, -30) << QStringList {"down"};
    }
}

void TestIioAccelerometer::tilt()
{
    QFETCH(Chip, chip);
    QFETCH(QList<double>, acceleration);
    QFETCH(QStringList, expected);

    FakeIio iio;
    writeDevice(iio, chip, tiltedAbout(0, 0));
    QVERIFY(IioAccelerometer::offer().isValid());
    Rig rig;
    Probe probe;
    QTRY_VERIFY(probe.readings.count() > 2);
    rig.now = 5000;
    QCOMPARE(rig.moves, QStringList());

    writeDevice(iio, chip, acceleration);
    const int before = probe.readings.count();
    QTRY_VERIFY(probe.readings.count() > before + 5);
    const QAccelerometerReading *reading = probe.sensor.reading();
    QVERIFY(qAbs(reading->x() - acceleration[0]) < 0.02);
    QVERIFY(qAbs(reading->y() - acceleration[1]) < 0.02);
    QVERIFY(qAbs(reading->z() - acceleration[2]) < 0.02);
    QTRY_COMPARE(rig.moves, expected);
}

void TestIioAccelerometer::brokenAndStopped()
{
    FakeIio iio;
    writeDevice(iio, Mxc4005, tiltedAbout(0, 0));
    QVERIFY(IioAccelerometer::offer().isValid());
    Probe probe;
    QTRY_VERIFY(probe.readings.count() > 0);

    // Gone, as after unplugging: no readings and nothing said, until it is back.
    QtMessageHandler previous = qInstallMessageHandler(captureMessage);
    QVERIFY(QDir(iio.path(Device)).removeRecursively());
    probe.readings.clear();
    QTest::qWait(500);
    qInstallMessageHandler(previous);
    QCOMPARE(probe.readings.count(), 0);
    QCOMPARE(messages, QStringList());

    writeDevice(iio, Mxc4005, tiltedAbout(1, 30));
    QTRY_VERIFY(probe.readings.count() > 0);
    QVERIFY(probe.sensor.reading()->x() < -4.8);

    probe.sensor.stop();
    probe.readings.clear();
    QTest::qWait(300);
    QCOMPARE(probe.readings.count(), 0);
}

PLIVORA_TEST_MAIN(TestIioAccelerometer)
#include "tst_iioaccelerometer.moc"
