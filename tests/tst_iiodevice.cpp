// SPDX-License-Identifier: GPL-3.0-or-later
#include "iiodevice.h"
#include "testsupport.h"

#include <QDir>

#include <functional>

using namespace TestSupport;

namespace {

using Breaker = std::function<void(FakeIio &)>;

const QString Device = QLatin1String(FakeIio::DEVICE);

// The files of an accelerometer in folder with one scale for all axes and the given raw values.
QStringList accelerometer(const QString &folder, const QString &scale = "0.01",
    const QStringList &raw = {"100", "200", "300"})
{
    return {folder + "/in_accel_scale=" + scale, folder + "/in_accel_x_raw=" + raw.at(0),
        folder + "/in_accel_y_raw=" + raw.at(1), folder + "/in_accel_z_raw=" + raw.at(2)};
}

QStringList inDevice(const QStringList &files)
{
    QStringList lines;
    for (const QString &file : files)
        lines << Device + '/' + file;
    return lines;
}

void compareVectors(const IioDevice::Vector &actual, const QList<double> &expected)
{
    for (int axis = 0; axis < 3; ++axis)
        QVERIFY2(qAbs(actual[axis] - expected.at(axis)) < 1e-9,
            qPrintable(QString::number(actual[axis])));
}

} // namespace

Q_DECLARE_METATYPE(Breaker)

class TestIioDevice : public QObject
{
    Q_OBJECT

private slots:
    void values_data();
    void values();
    void discovery_data();
    void discovery();
    void faults_data();
    void faults();
};

void TestIioDevice::values_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QList<double>>("expected");

    // bmc150 and kxcjk-1013: one scale, the matrix in mount_matrix.
    QTest::newRow("bmc150, upright") << FakeIio::BMC150
            + QStringList {"in_accel_x_raw=100", "in_accel_y_raw=1000", "in_accel_z_raw=-50"}
                                     << QList<double> {-0.961, 9.61, 0.4805};

    // mxc4005 and st_accel kinds: scale and offset per axis, the chip turned a quarter.
    QTest::newRow("mxc4005, turned a quarter, upright") << QStringList {"name=mxc4005",
        "in_accel_x_scale=0.0098", "in_accel_y_scale=0.0049", "in_accel_z_scale=0.0096",
        "in_accel_x_offset=-12", "in_accel_y_offset=7", "in_accel_z_offset=3",
        "in_accel_mount_matrix=0, -1, 0; 1, 0, 0; 0, 0, 1", "in_accel_x_raw=1012",
        "in_accel_y_raw=193", "in_accel_z_raw=2"} << QList<double> {-0.98, 9.8, 0.048};

    const QStringList plain {
        "in_accel_scale=0.01", "in_accel_x_raw=100", "in_accel_y_raw=200", "in_accel_z_raw=300"};
    QTest::newRow("no matrix: as the chip") << plain << QList<double> {1, 2, 3};
    QTest::newRow("own scale before shared")
        << plain + QStringList {"in_accel_y_scale=0.1"} << QList<double> {1, 20, 3};
    QTest::newRow("in_accel_mount_matrix before mount_matrix") << plain
            + QStringList {"in_accel_mount_matrix=0, 1, 0; 1, 0, 0; 0, 0, 1",
                "mount_matrix=1, 0, 0; 0, 1, 0; 0, 0, 1"} << QList<double> {2, 1, 3};
    QTest::newRow("matrix with a row of zeros: refused")
        << plain + QStringList {"mount_matrix=0, 1, 0; 0, 0, 0; 0, 0, 1"}
        << QList<double> {1, 2, 3};
    QTest::newRow("matrix with a cell that is no number: refused")
        << plain + QStringList {"mount_matrix=0, 1, 0; 1, x, 0; 0, 0, 1"}
        << QList<double> {1, 2, 3};
    QTest::newRow("matrix that does not parse: refused")
        << plain + QStringList {"in_accel_mount_matrix=0, 1, 0; 1, 0; 0, 0, 1"}
        << QList<double> {1, 2, 3};
}

void TestIioDevice::values()
{
    QFETCH(QStringList, files);
    QFETCH(QList<double>, expected);

    FakeIio iio;
    iio.write(inDevice(files));
    const IioDevice device = IioDevice::find();
    QVERIFY(device.isValid());
    QCOMPARE(device.path(), iio.path(Device));
    IioDevice::Vector acceleration;
    QVERIFY(device.read(acceleration));
    compareVectors(acceleration, expected);
}

void TestIioDevice::discovery_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expected");

    const QString d0 = "iio:device0", d1 = "iio:device1";
    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow("a gyroscope and a trigger") << QStringList {d0 + "/in_anglvel_scale=0.001",
        d0 + "/in_anglvel_x_raw=1", d0 + "/in_anglvel_y_raw=1", d0 + "/in_anglvel_z_raw=1",
        "trigger0/name=t"} << QString();
    QTest::newRow("no z") << accelerometer(d0).mid(0, 3) << QString();
    QTest::newRow("no scale") << accelerometer(d0).mid(1) << QString();
    QTest::newRow("zero scale") << accelerometer(d0, "0") << QString();
    QTest::newRow("scale no number") << accelerometer(d0, "fast") << QString();
    QTest::newRow("offset no number")
        << accelerometer(d0) + QStringList {d0 + "/in_accel_offset=?"} << QString();
    QTest::newRow("one axis without scale") << accelerometer(d0).mid(1)
            + QStringList {d0 + "/in_accel_x_scale=0.01", d0 + "/in_accel_y_scale=0.01"}
                                            << QString();

    QTest::newRow("first by name")
        << accelerometer("iio:device10") + accelerometer("iio:device2") << "iio:device2";
    QTest::newRow("label accel-display") << accelerometer(d0) + accelerometer(d1)
            + QStringList {d0 + "/label=accel-base", d1 + "/label=accel-display"}
                                         << d1;
    QTest::newRow("location display") << accelerometer(d0) + accelerometer(d1)
            + QStringList {d0 + "/location=base", d1 + "/location=display"}
                                      << d1;
    QTest::newRow("display's unusable: the other")
        << accelerometer(d0) + accelerometer(d1, "0") + QStringList {d1 + "/label=accel-display"}
        << d0;
}

void TestIioDevice::discovery()
{
    QFETCH(QStringList, files);
    QFETCH(QString, expected);

    FakeIio iio;
    iio.write(files);
    const IioDevice device = IioDevice::find();
    QCOMPARE(device.isValid(), !expected.isEmpty());
    if (device.isValid())
        QCOMPARE(device.path(), iio.path(expected));
    QVERIFY(!IioDevice::find(iio.path("nowhere")).isValid());
}

void TestIioDevice::faults_data()
{
    QTest::addColumn<Breaker>("breaker");

    const QString y = Device + "/in_accel_y_raw";
    QTest::newRow("folder in its place") << Breaker([y](FakeIio &iio) {
        QFile::remove(iio.path(y));
        QDir().mkpath(iio.path(y));
    });
    QTest::newRow("no number") << Breaker([y](FakeIio &iio) { iio.write(y, "busy"); });
    QTest::newRow("absurd") << Breaker([y](FakeIio &iio) { iio.write(y, "99999999999"); });
    QTest::newRow("longer than an attribute")
        << Breaker([y](FakeIio &iio) { iio.write(y, "2." + QByteArray(300, '0')); });
    QTest::newRow("device gone") << Breaker(
        [](FakeIio &iio) { QVERIFY(QDir(iio.path(Device)).removeRecursively()); });
}

void TestIioDevice::faults()
{
    QFETCH(Breaker, breaker);

    FakeIio iio;
    iio.write(accelerometer(Device));
    const IioDevice device = IioDevice::find();
    IioDevice::Vector acceleration;
    QVERIFY(device.read(acceleration));

    breaker(iio);
    acceleration = {7, 7, 7};
    {
        Watchdog watchdog(60000, "reading a broken device");
        QVERIFY(!device.read(acceleration));
    }
    compareVectors(acceleration, {7, 7, 7});

    QDir(iio.path(Device)).removeRecursively();
    iio.write(accelerometer(Device, "0.01", {"1", "2", "3"}));
    QVERIFY(device.read(acceleration));
    compareVectors(acceleration, {0.01, 0.02, 0.03});
}

PLIVORA_TEST_MAIN(TestIioDevice)
#include "tst_iiodevice.moc"
