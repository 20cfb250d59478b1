// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SANDBOX_H
#define SANDBOX_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// What the tests, the fuzz targets and the tilt benchmark run the game's parts in: folders of
// their own, and fake kernel accelerometers. Part of the library plivoratestsupport, which they
// all link. The shell scripts have the same in sandbox.sh.
namespace TestSupport {

// Points the settings store, caches, data and runtime files at a fresh temporary folder (in
// memory where the system has one), so that nothing reads or writes the user's real settings or
// lends its default picture; keeps the machine's accelerometer out of sight and has fake ones
// read fast; and runs headless unless told otherwise. Call before the application object is made.
// Returns the folder, which lives until the process exits normally.
QString isolateEnvironment();

// A folder of fake IIO devices laid out as the kernel shows them in sysfs, named by
// PLIVORA_IIO_DEVICES while it lives. A file that cannot be written ends the process.
class FakeIio
{
public:
    // The device that writeAccelerometer() makes.
    static constexpr char DEVICE[] = "iio:device0";
    // A bmc150 as phones carry it, on the back of the board: x and z point the other way.
    static const QStringList BMC150;

    FakeIio();
    ~FakeIio();
    QString path(const QString &file = QString()) const;
    // Writes the text into a file of the folder ("iio:device0/in_accel_x_raw"), making folders as
    // needed; each line is "file=text".
    void write(const QStringList &lines);
    void write(const QString &file, const QByteArray &text);
    // An accelerometer in DEVICE: its calibration, as lines for write() without the folder, and
    // its raw x, y and z.
    void writeAccelerometer(const QStringList &calibration, const QList<int> &raw);

private:
    QTemporaryDir dir;
    QByteArray previous;
};

} // namespace TestSupport

#endif // SANDBOX_H
