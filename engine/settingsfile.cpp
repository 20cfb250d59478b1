// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int LockRetryMilliseconds = 5;

const QString DifficultyKey = QStringLiteral("current/difficulty");

QString highscoreKey(int position)
{
    return QStringLiteral("highscore/%1").arg(position);
}

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

// A stored value as an int, if it is wholly a decimal integer within int range.
std::optional<int> storedInt(const std::optional<QString> &text)
{
    if (!text)
        return std::nullopt;
    const qsizetype sign = text->startsWith(u'-') || text->startsWith(u'+') ? 1 : 0;
    if (sign == text->size())
        return std::nullopt;
    for (qsizetype i = sign; i < text->size(); ++i) {
        if (text->at(i) < u'0' || text->at(i) > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const int number = text->toInt(&ok, 10);
    return ok ? std::optional<int>(number) : std::nullopt;
}

QList<int> highscoresIn(const SettingsFormat &text)
{
    QList<int> highscores;
    for (int position = 0; position < SettingsFile::HIGHSCORE_POSITIONS; ++position) {
        const int seconds = storedInt(text.value(highscoreKey(position))).value_or(-1);
        highscores.append(seconds < 0 ? -1 : seconds);
    }
    return highscores;
}

} // namespace

QString SettingsFile::userFile(const QString &organisation, const QString &application)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/'
        + organisation + u'/' + application + QLatin1String(".conf");
}

SettingsFile::SettingsFile(const QString &fileName, int lockPatience)
    : name(fileName), patience(lockPatience)
{ }

SettingsFile::Result<std::optional<int>> SettingsFile::difficulty() const
{
    if (unsavedDifficulty)
        return {unsavedDifficulty, std::nullopt};
    const Result<SettingsFormat> file = read();
    return {storedInt(file.value.value(DifficultyKey)), file.failure};
}

SettingsFile::Result<QList<int>> SettingsFile::highscores() const
{
    const Result<SettingsFormat> file = read();
    return {highscoresIn(file.value), file.failure};
}

SettingsFile::Result<QList<int>> SettingsFile::recordTime(int seconds)
{
    QList<int> highscores;
    const std::optional<Failure> failed = update([&](SettingsFormat &text) {
        highscores = highscoresIn(text);
        bool newscore = false;
        int tempscore = -1;
        for (int &stored : highscores) {
            if (newscore) {
                std::swap(stored, tempscore);
            } else if (seconds < stored || stored == -1) {
                tempscore = std::exchange(stored, seconds);
                newscore = true;
            }
        }
        for (int position = 0; position < HIGHSCORE_POSITIONS; ++position)
            text.setValue(highscoreKey(position), QString::number(highscores.at(position)));
    });
    if (failed)
        return {highscoresIn(read().value), failed};
    return {highscores, std::nullopt};
}

std::optional<SettingsFile::Failure> SettingsFile::storeDifficulty(int difficulty)
{
    std::optional<Failure> failed = update([difficulty](SettingsFormat &text) {
        text.setValue(DifficultyKey, QString::number(difficulty));
    });
    unsavedDifficulty = failed ? std::optional<int>(difficulty) : std::nullopt;
    return failed;
}

std::optional<SettingsFile::Failure> SettingsFile::update(
    const std::function<void(SettingsFormat &)> &change)
{
    // Whether the folder could be made is told by what follows, with the reason.
    QDir().mkpath(QFileInfo(name).absolutePath());
    QLockFile lock(name + QLatin1String(".lock"));
    if (!lockWithin(lock, patience)) {
        if (lock.error() == QLockFile::LockFailedError)
            return failure(tr("another program keeps the file locked"));
        // The lock file does not say why it could not be made. The file itself, or a save file
        // beside it, cancelled at once, does: a folder that is none, or a full disk.
        if (const Result<SettingsFormat> current = read(); current.failure)
            return current.failure;
        QSaveFile probe(name);
        if (!probe.open(QIODevice::WriteOnly))
            return openFailure(probe);
        const QString why = writeAll(probe, QByteArrayLiteral("\n"))
            ? tr("its lock file cannot be made")
            : probe.errorString();
        probe.cancelWriting();
        return failure(why);
    }

    Result<SettingsFormat> current = read();
    if (current.failure)
        return current.failure;
    change(current.value);

    QSaveFile out(name);
    if (!out.open(QIODevice::WriteOnly))
        return openFailure(out);
    if (!writeAll(out, current.value.text())) {
        const QString why = out.errorString();
        out.cancelWriting();
        return failure(why);
    }
    if (!out.commit())
        return failure(out.errorString());
    return std::nullopt;
}

SettingsFile::Failure SettingsFile::openFailure(const QSaveFile &out) const
{
    // Of an existing file the save file says only that it is not writable; opening the file
    // itself, to add to it, says why. It is a regular file: one that is not was never read.
    QFile existing(name);
    return failure(existing.exists() && !existing.open(QIODevice::Append) ? existing.errorString()
                                                                          : out.errorString());
}

SettingsFile::Result<SettingsFormat> SettingsFile::read() const
{
    const auto failed = [this](const QString &reason) {
        return Result<SettingsFormat> {SettingsFormat(), failure(reason)};
    };
    // Only a regular file is opened, so that no pipe or device can keep the open or a read
    // waiting, and it is looked at again once open, in case it was replaced meanwhile.
    const auto notReadable = [](const struct stat &status) -> std::optional<QString> {
        if (S_ISDIR(status.st_mode))
            return qt_error_string(EISDIR);
        if (!S_ISREG(status.st_mode))
            return tr("it is not an ordinary file");
        if (status.st_size > SIZE_LIMIT)
            return qt_error_string(EFBIG);
        return std::nullopt;
    };

    const QByteArray path = QFile::encodeName(name);
    struct stat status;
    if (::stat(path.constData(), &status) != 0)
        return errno == ENOENT ? Result<SettingsFormat>() : failed(qt_error_string(errno));
    if (const std::optional<QString> why = notReadable(status))
        return failed(*why);

    const int file = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0)
        return failed(qt_error_string(errno));
    std::optional<QString> why;
    QByteArray bytes;
    if (::fstat(file, &status) != 0) {
        why = qt_error_string(errno);
    } else if (!(why = notReadable(status))) {
        // A byte more than the limit allows tells a file that has grown beyond it.
        bytes.resize(qsizetype(status.st_size) + 1);
        qsizetype size = 0;
        while (!why) {
            if (size == bytes.size()) {
                if (size > SIZE_LIMIT) {
                    why = qt_error_string(EFBIG);
                    break;
                }
                bytes.resize(qMin(2 * size, qsizetype(SIZE_LIMIT) + 1));
            }
            const ssize_t count = ::read(file, bytes.data() + size, size_t(bytes.size() - size));
            if (count == 0)
                break;
            if (count > 0)
                size += count;
            else if (errno != EINTR)
                why = qt_error_string(errno);
        }
        bytes.truncate(size);
    }
    ::close(file);
    if (why)
        return failed(*why);
    return {SettingsFormat(bytes), std::nullopt};
}
