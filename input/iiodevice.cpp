// SPDX-License-Identifier: GPL-3.0-or-later
#include "iiodevice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QtMath>

#include <libudev.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

const char *const Axes[3] = {"x", "y", "z"};

// Readings beyond this are refused as nonsense: 100 g is far more than a hand can give a device
// and more than the widest range of the accelerometers in phones and tablets.
constexpr double MaxAcceleration = 100 * 9.80665; // m/s²

// The text of a sysfs attribute, or false when it cannot be read, with errno set to why (0 for
// a text too long to be an attribute: sysfs attributes are short). Calibration is read
// non-blocking, so that something other than a file in its place (a pipe) cannot stall finding
// the device; a raw read waits as long as the driver takes to measure.
bool readAttribute(const QByteArray &file, QByteArray &text, bool blocking = false)
{
    const int fd =
        ::open(file.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | (blocking ? 0 : O_NONBLOCK));
    if (fd < 0)
        return false;
    char buffer[256];
    ssize_t length;
    do
        length = ::read(fd, buffer, sizeof buffer);
    while (length < 0 && errno == EINTR);
    const int error = errno;
    ::close(fd);
    errno = length < 0 ? error : 0;
    if (length < 0 || size_t(length) >= sizeof buffer)
        return false;
    text = QByteArray(buffer, int(length)).trimmed();
    return true;
}

bool parseNumber(const QByteArray &text, double &value)
{
    bool ok = false;
    value = text.toDouble(&ok);
    return ok && qIsFinite(value);
}

// How a value the device may lack came out: absent, a number, or something else.
enum class Attribute { Absent, Number, Broken };

Attribute readNumber(const QString &file, double &value)
{
    if (!QFileInfo::exists(file))
        return Attribute::Absent;
    QByteArray text;
    return readAttribute(QFile::encodeName(file), text) && parseNumber(text, value)
        ? Attribute::Number
        : Attribute::Broken;
}

// The per-axis attribute of the given kind when there is one, else the one shared by all axes.
Attribute readCalibration(const QDir &dir, const char *axis, const char *kind, double &value)
{
    const QString own = dir.filePath(QStringLiteral("in_accel_%1_%2").arg(axis, kind));
    const QString shared = dir.filePath(QStringLiteral("in_accel_%1").arg(kind));
    return readNumber(QFileInfo::exists(own) ? own : shared, value);
}

// The kernel's format: "a, b, c; d, e, f; g, h, i", one row of the matrix after another.
// A matrix with a row of zeros would flatten the readings and is no mount matrix.
bool parseMountMatrix(const QByteArray &text, IioDevice::Matrix &matrix)
{
    const QList<QByteArray> rows = text.split(';');
    if (rows.size() != 3)
        return false;
    for (int row = 0; row < 3; ++row) {
        const QList<QByteArray> cells = rows.at(row).split(',');
        if (cells.size() != 3)
            return false;
        bool allZero = true;
        for (int column = 0; column < 3; ++column) {
            if (!parseNumber(cells.at(column).trimmed(), matrix[row][column]))
                return false;
            allZero = allZero && matrix[row][column] == 0;
        }
        if (allZero)
            return false;
    }
    return true;
}

// The device's udev properties that matter here. Only a device under the kernel's own /sys has
// them; the hardware database sets them for tablets and convertibles whose firmware describes
// the chip's mounting wrongly or not at all.
struct UdevProperties
{
    QByteArray mountMatrix;
    QByteArray location;
};

UdevProperties udevProperties(const QString &path)
{
    UdevProperties properties;
    const QString real = QFileInfo(path).canonicalFilePath();
    if (!real.startsWith(QLatin1String("/sys/")))
        return properties;
    udev *context = udev_new();
    if (!context)
        return properties;
    if (udev_device *device =
            udev_device_new_from_syspath(context, QFile::encodeName(real).constData())) {
        properties.mountMatrix = udev_device_get_property_value(device, "ACCEL_MOUNT_MATRIX");
        properties.location = udev_device_get_property_value(device, "ACCEL_LOCATION");
        udev_device_unref(device);
    }
    udev_unref(context);
    return properties;
}

QByteArray attributeText(const QDir &dir, const char *name)
{
    QByteArray text;
    readAttribute(QFile::encodeName(dir.filePath(QLatin1String(name))), text);
    return text;
}

// Folder names in the kernel's order: iio:device2 before iio:device10.
bool numberedBefore(const QString &a, const QString &b)
{
    const auto split = [](const QString &name) {
        qsizetype digits = name.size();
        while (digits > 0 && name.at(digits - 1).isDigit())
            --digits;
        return std::make_pair(name.left(digits), name.mid(digits));
    };
    const auto [stemA, numberA] = split(a);
    const auto [stemB, numberB] = split(b);
    if (stemA != stemB)
        return stemA < stemB;
    if (numberA.size() != numberB.size())
        return numberA.size() < numberB.size();
    return numberA < numberB;
}

} // namespace

QString IioDevice::devicesFolder()
{
    const QString folder = qEnvironmentVariable("PLIVORA_IIO_DEVICES");
    return folder.isEmpty() ? QStringLiteral("/sys/bus/iio/devices") : folder;
}

IioDevice IioDevice::find(const QString &folder)
{
    const QDir dir(folder);
    QStringList names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(names.begin(), names.end(), numberedBefore);

    IioDevice first;
    for (const QString &name : std::as_const(names)) {
        const IioDevice device = open(dir.filePath(name));
        if (device.inDisplay())
            return device;
        if (device.isValid() && !first.isValid())
            first = device;
    }
    return first;
}

IioDevice IioDevice::open(const QString &path)
{
    const QDir dir(path);
    IioDevice device;
    for (int axis = 0; axis < 3; ++axis) {
        const QString raw = dir.filePath(QStringLiteral("in_accel_%1_raw").arg(Axes[axis]));
        if (!QFileInfo::exists(raw))
            return IioDevice();
        device.rawFiles[axis] = QFile::encodeName(raw);

        // A missing or zero scale leaves nothing to measure with; an offset that cannot be read
        // would tilt every reading.
        if (readCalibration(dir, Axes[axis], "scale", device.scale[axis]) != Attribute::Number
            || device.scale[axis] == 0)
            return IioDevice();
        if (readCalibration(dir, Axes[axis], "offset", device.offset[axis]) == Attribute::Broken)
            return IioDevice();
    }

    // udev's matrix wins, as with the system's own rotation service. The first matrix found is
    // the one meant; when it is no matrix, the chip is taken as mounted square.
    const UdevProperties udev = udevProperties(path);
    QByteArray matrix = udev.mountMatrix;
    for (const char *file : {"in_accel_mount_matrix", "mount_matrix"}) {
        if (matrix.isEmpty() && QFileInfo::exists(dir.filePath(QLatin1String(file))))
            matrix = attributeText(dir, file);
    }
    if (matrix.isEmpty() || !parseMountMatrix(matrix, device.mount))
        device.mount = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

    device.display = attributeText(dir, "label") == "accel-display"
        || attributeText(dir, "location") == "display" || udev.location == "display";
    device.chipName = QString::fromUtf8(attributeText(dir, "name"));
    if (device.chipName.isEmpty())
        device.chipName = dir.dirName();
    device.folder = path;
    device.valid = true;
    return device;
}

bool IioDevice::read(Vector &acceleration, int *error) const
{
    if (error)
        *error = 0;
    if (!valid)
        return false;
    Vector chip;
    for (int axis = 0; axis < 3; ++axis) {
        QByteArray text;
        double raw;
        if (!readAttribute(rawFiles[axis], text, true)) {
            if (error)
                *error = errno;
            return false;
        }
        if (!parseNumber(text, raw))
            return false;
        chip[axis] = (raw + offset[axis]) * scale[axis];
        if (!(qAbs(chip[axis]) <= MaxAcceleration))
            return false;
    }
    Vector result;
    for (int row = 0; row < 3; ++row) {
        result[row] = mount[row][0] * chip[0] + mount[row][1] * chip[1] + mount[row][2] * chip[2];
        if (!(qAbs(result[row]) <= MaxAcceleration))
            return false;
    }
    acceleration = result;
    return true;
}
