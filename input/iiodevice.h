// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef IIODEVICE_H
#define IIODEVICE_H

#include <QByteArray>
#include <QString>

#include <array>

// An accelerometer of the kernel's industrial I/O subsystem, read through its sysfs folder: where
// its three raw values are and how they turn into m/s² on the device's own axes. Those follow the
// convention of QAccelerometer: x to the right of the screen, y up it, z out of it, gravity read
// as an upward push, so that an upright device reads about +9.8 on y and one lying face up about
// +9.8 on z.
class IioDevice
{
public:
    using Vector = std::array<double, 3>;
    using Matrix = std::array<Vector, 3>;

    // The folder that holds the devices: $PLIVORA_IIO_DEVICES when set, else the kernel's.
    static QString devicesFolder();

    // The accelerometer to use among the devices in folder: the one that says it sits in the
    // display (convertibles have another in the base), else the first by name. Invalid when no
    // device there is a usable accelerometer.
    static IioDevice find(const QString &folder = devicesFolder());

    // The device in the folder path; invalid unless it has the three raw acceleration values and
    // a usable scale for each.
    static IioDevice open(const QString &path);

    IioDevice() = default;

    bool isValid() const { return valid; }
    QString path() const { return folder; }
    // The driver's name for the chip, e.g. "bmc150_accel", else the folder's name.
    QString name() const { return chipName; }
    // Whether the device says it sits in the display.
    bool inDisplay() const { return display; }

    // One reading from the device, in m/s² on the device's axes. False, and acceleration left
    // alone, when a raw value cannot be read or is no plausible number; error, when given, then
    // says why a raw value could not be read (errno, e.g. EBUSY while another program streams
    // the device), or 0. Blocks while the driver measures: on real chips a raw read may take
    // anything from microseconds to seconds, and on a hung bus it never returns.
    bool read(Vector &acceleration, int *error = nullptr) const;

private:
    bool valid = false;
    bool display = false;
    QString folder;
    QString chipName;
    std::array<QByteArray, 3> rawFiles; // x, y, z, as file names for the system
    Vector offset {};
    Vector scale {};
    Matrix mount {}; // device = mount × chip
};

#endif // IIODEVICE_H
