// SPDX-License-Identifier: GPL-3.0-or-later
#include "sensorchoice.h"
#include "iioaccelerometer.h"

#include <QAccelerometer>
#include <QRotationSensor>
#include <QSensorManager>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>

namespace {

const QByteArray GenericPrefix = QByteArrayLiteral("generic.");
const QByteArray DummyPrefix = QByteArrayLiteral("dummy.");

// The default backend of a type first, then the others in the manager's order.
QList<QByteArray> backendsDefaultFirst(const QByteArray &type)
{
    QList<QByteArray> backends = QSensor::sensorsForType(type);
    const QByteArray preferred = QSensor::defaultSensorForType(type);
    if (backends.removeOne(preferred))
        backends.prepend(preferred);
    return backends;
}

// One read of a device, made in a thread that is not waited for beyond the caller's patience:
// a read that never returns is left behind, and ends, if ever, touching only this.
struct TrialRead
{
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool read = false;
    int error = 0;
    IioDevice::Vector acceleration {};
    std::chrono::steady_clock::duration took {};
};

} // namespace

SensorChoice::SensorChoice()
{
    // The kernel's accelerometer, for devices whose system plugins offer none. Those plugins know
    // their hardware best: any real accelerometer of theirs goes first.
    iio = IioAccelerometer::offer();
    QList<QByteArray> accelerometerIds =
        backendsDefaultFirst(QByteArray(QAccelerometer::sensorType));
    if (accelerometerIds.removeOne(IioAccelerometer::IDENTIFIER))
        accelerometerIds.append(IioAccelerometer::IDENTIFIER);
    for (const QByteArray &id : std::as_const(accelerometerIds)) {
        QString reason;
        if (id.startsWith(DummyPrefix)) {
            reason = tr("passed over: simulated");
        } else if (!chosenAccelerometer.isEmpty()) {
            reason = tr("passed over: %1 comes first").arg(QLatin1String(chosenAccelerometer));
        } else {
            chosenAccelerometer = id;
            reason = tr("a real accelerometer");
        }
        accelerometers.append({id, reason});
    }

    for (const QByteArray &id : backendsDefaultFirst(QByteArray(QRotationSensor::sensorType))) {
        QString reason;
        if (!chosenRotation.isEmpty()) {
            reason = tr("passed over: %1 comes first").arg(QLatin1String(chosenRotation));
        } else if (id.startsWith(DummyPrefix)) {
            reason = tr("passed over: simulated");
        } else if (id.startsWith(GenericPrefix)) {
            // The generic rotation is computed from the default accelerometer: it measures
            // something only when that is a real one.
            if (chosenAccelerometer.isEmpty()) {
                reason =
                    tr("passed over: computed from an accelerometer, and no real one is offered");
            } else {
                chosenRotation = id;
                reason = tr("used, computed from %1").arg(QLatin1String(chosenAccelerometer));
            }
        } else {
            chosenRotation = id;
            reason = tr("used");
        }
        rotations.append({id, reason});
    }
}

void SensorChoice::apply() const
{
    if (!chosenRotation.startsWith(GenericPrefix))
        return;
    const QByteArray type(QAccelerometer::sensorType);
    if (QSensor::defaultSensorForType(type) != chosenAccelerometer)
        QSensorManager::setDefaultBackend(type, chosenAccelerometer);
}

QStringList SensorChoice::report() const
{
    QStringList lines;
    const auto list = [&lines](const QString &title, const QList<Verdict> &verdicts) {
        lines.append(title);
        if (verdicts.isEmpty())
            lines.append(tr("  none offered"));
        for (const Verdict &verdict : verdicts)
            lines.append(QStringLiteral("  %1: %2").arg(QLatin1String(verdict.id), verdict.reason));
    };
    list(tr("Rotation sensor backends:"), rotations);
    list(tr("Accelerometer backends:"), accelerometers);
    if (iio.isValid()) {
        lines.append(tr("IIO accelerometer: %1 at %2").arg(iio.name(), iio.path()));
        lines.append(readingReport(iio));
    } else {
        lines.append(tr("IIO accelerometer: none found in %1").arg(IioDevice::devicesFolder()));
    }
    lines.append(chosenRotation.isEmpty()
            ? tr("Tilt input: off, no sensor measures this device")
            : tr("Tilt input: reads %1").arg(QLatin1String(chosenRotation)));
    return lines;
}

QString SensorChoice::readingReport(const IioDevice &device)
{
    const auto trial = std::make_shared<TrialRead>();
    std::thread([trial, device] {
        const auto start = std::chrono::steady_clock::now();
        IioDevice::Vector acceleration;
        int error = 0;
        const bool read = device.read(acceleration, &error);
        const std::lock_guard<std::mutex> lock(trial->mutex);
        trial->took = std::chrono::steady_clock::now() - start;
        trial->read = read;
        trial->error = error;
        trial->acceleration = acceleration;
        trial->done = true;
        trial->finished.notify_all();
    }).detach();

    std::unique_lock<std::mutex> lock(trial->mutex);
    if (!trial->finished.wait_for(
            lock, std::chrono::seconds(READ_PATIENCE_SECONDS), [&trial] { return trial->done; }))
        return tr("  one reading: no answer within %1 s").arg(READ_PATIENCE_SECONDS);
    const double milliseconds = std::chrono::duration<double, std::milli>(trial->took).count();
    const QString took = QString::number(milliseconds, 'f', 1);
    if (trial->read) {
        return tr("  one reading: %1 ms, x %2, y %3, z %4 m/s²")
            .arg(took, QString::number(trial->acceleration[0], 'f', 2),
                QString::number(trial->acceleration[1], 'f', 2),
                QString::number(trial->acceleration[2], 'f', 2));
    }
    if (trial->error == EBUSY) {
        return tr("  one reading: busy, another program streams the device (the "
                  "system's rotation service, for one; locking the screen rotation "
                  "frees it)");
    }
    return trial->error ? tr("  one reading: failed after %1 ms: %2")
                              .arg(took, QString::fromLocal8Bit(std::strerror(trial->error)))
                        : tr("  one reading: no plausible numbers, after %1 ms").arg(took);
}
