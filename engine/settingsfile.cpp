// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsfile.h"

#include "settingsformat.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QThread>

namespace {

constexpr int LockRetryMilliseconds = 5;

// Tries again every few milliseconds: the toolkit's own wait doubles its pauses from 100 ms, so
// within a second it would look only four times, and a writer that holds the lock for a moment
// now and then could keep it from ever seeing the lock free.
bool lockWithin(QLockFile &lock, int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || waited.elapsed() >= milliseconds)
            return false;
        QThread::msleep(LockRetryMilliseconds);
    }
    return true;
}

// A save file may report a short write without an error; only the call for the rest fails with
// the reason. A failed flush must be caught before the commit, which would otherwise put the
// incomplete file in place of the old one.
bool writeAll(QSaveFile &file, const QByteArray &bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            return false;
        written += count;
    }
    return file.flush();
}

} // namespace

SettingsFile::SettingsFile(const QString &fileName, int lockPatience)
    : name(fileName), patience(lockPatience)
{ }

bool SettingsFile::update(const std::function<void(QSettings::SettingsMap &)> &change)
{
    map.clear();
    reason.clear();

    // Whether the folder could be made is told by the save file, with the reason.
    QDir().mkpath(QFileInfo(name).absolutePath());
    QSaveFile out(name);
    if (!out.open(QIODevice::WriteOnly)) {
        // Of an existing file the save file says only that it is not writable; opening the file
        // itself, to add to it, says why.
        QFile existing(name);
        return fail(existing.exists() && !existing.open(QIODevice::Append) ? existing.errorString()
                                                                           : out.errorString());
    }

    QLockFile lock(name + QLatin1String(".lock"));
    if (!lockWithin(lock, patience)) {
        // The lock file does not say why it could not be made; a full disk, the likeliest
        // reason once the save file could be opened, shows in a write.
        QString why = tr("another program keeps the file locked");
        if (lock.error() != QLockFile::LockFailedError)
            why = writeAll(out, QByteArrayLiteral("\n")) ? tr("its lock file cannot be made")
                                                         : out.errorString();
        out.cancelWriting();
        return fail(why);
    }

    QFile in(name);
    const QDateTime previous = QFileInfo(name).lastModified();
    if (in.exists()) {
        if (!in.open(QIODevice::ReadOnly)) {
            out.cancelWriting();
            return fail(in.errorString());
        }
        SettingsFormat::read(in, map);
    }
    const QSettings::SettingsMap before = map;
    change(map);

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    SettingsFormat::write(buffer, map);
    if (!writeAll(out, bytes)) {
        const QString why = out.errorString();
        out.cancelWriting();
        map = before;
        return fail(why);
    }
    if (!out.commit()) {
        map = before;
        return fail(out.errorString());
    }

    // The toolkit's settings store takes a file of the size and modification time it last read,
    // to the millisecond, as unchanged: a second write within a millisecond would go unseen by
    // every store that read the first. So each version is dated later than the one before.
    QFile written(name);
    if (previous.isValid() && QFileInfo(name).lastModified() <= previous
        && written.open(QIODevice::ReadOnly))
        written.setFileTime(previous.addMSecs(1), QFileDevice::FileModificationTime);
    return true;
}

bool SettingsFile::fail(const QString &why)
{
    reason = why;
    return false;
}
