// SPDX-License-Identifier: GPL-3.0-or-later
#include "sandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace TestSupport {

namespace {

    // A folder in memory where the system has one: the settings store flushes every write to the
    // disk, and on a busy disk each flush waits.
    QString temporaryBase()
    {
        const QFileInfo memory(QStringLiteral("/dev/shm"));
        return memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath();
    }

} // namespace

QString isolateEnvironment()
{
    // Lives for the whole process; removed at a normal exit, left behind by a crash for a look.
    static QTemporaryDir home(temporaryBase() + QStringLiteral("/plivora-test-XXXXXX"));
    if (!home.isValid())
        qFatal("cannot make a temporary folder");
    const QByteArray root = QFile::encodeName(home.path());
    for (const char *sub : {"config", "cache", "data", "runtime"})
        QDir(home.path()).mkpath(QString::fromLatin1(sub));
    QFile::setPermissions(home.path() + QStringLiteral("/runtime"),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_CONFIG_HOME", root + "/config");
    qputenv("XDG_CACHE_HOME", root + "/cache");
    qputenv("XDG_DATA_HOME", root + "/data");
    // Also the system's data folders: a game installed on this machine must not lend the tests
    // its default picture.
    qputenv("XDG_DATA_DIRS", root + "/data");
    qputenv("XDG_RUNTIME_DIR", root + "/runtime");
    // The machine's own accelerometer stays out of the tests; FakeIio gives them one.
    qputenv("PLIVORA_IIO_DEVICES", root + "/no-iio-devices");
    // Fake accelerometers are read fast, so that the tests need not wait on the game's rate.
    qputenv("PLIVORA_IIO_READINGS_PER_SECOND", "1000");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return home.path();
}

const QStringList FakeIio::BMC150 {
    "name=bmc150_accel", "in_accel_scale=0.009610", "mount_matrix=-1, 0, 0; 0, 1, 0; 0, 0, -1"};

FakeIio::FakeIio() : previous(qgetenv("PLIVORA_IIO_DEVICES"))
{
    qputenv("PLIVORA_IIO_DEVICES", QFile::encodeName(dir.path()));
}

FakeIio::~FakeIio()
{
    qputenv("PLIVORA_IIO_DEVICES", previous);
}

QString FakeIio::path(const QString &file) const
{
    return file.isEmpty() ? dir.path() : dir.filePath(file);
}

void FakeIio::write(const QStringList &lines)
{
    for (const QString &line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        write(line.left(equals), line.mid(equals + 1).toUtf8());
    }
}

void FakeIio::write(const QString &file, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path(file)).path());
    QFile out(path(file));
    if (!out.open(QIODevice::WriteOnly) || out.write(text + '\n') != text.size() + 1)
        qFatal("cannot write %s", qPrintable(out.fileName()));
}

void FakeIio::writeAccelerometer(const QStringList &calibration, const QList<int> &raw)
{
    const QString device = QLatin1String(DEVICE) + QLatin1Char('/');
    QStringList lines;
    for (const QString &line : calibration)
        lines << device + line;
    for (int axis = 0; axis < 3; ++axis)
        lines << device
                + QStringLiteral("in_accel_%1_raw=%2").arg(QChar('x' + axis)).arg(raw[axis]);
    write(lines);
}

} // namespace TestSupport
