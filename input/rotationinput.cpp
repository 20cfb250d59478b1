// SPDX-License-Identifier: GPL-3.0-or-later
#include "rotationinput.h"
#include "iioaccelerometer.h"

#include <QAccelerometer>
#include <QRotationReading>
#include <QSensorManager>
#include <QTimer>

#include <utility>

namespace {

constexpr qreal TiltThreshold = 15.0; // degrees
constexpr qint64 RepeatPause = 1000; // milliseconds

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

// One backend the toolkit offers, and what the input makes of it.
struct Verdict
{
    QByteArray id;
    QString reason;
};

// Which backends the input reads: a rotation backend that measures the device, and for the
// generic rotation the real accelerometer it must be computed from.
struct BackendChoice
{
    QByteArray rotation; // empty when no rotation backend measures anything
    QByteArray accelerometer; // the first real accelerometer, or empty
    QList<Verdict> rotations;
    QList<Verdict> accelerometers;
    IioDevice iio; // the kernel's accelerometer that was offered, or an invalid one
};

BackendChoice chooseBackends()
{
    BackendChoice choice;
    // The kernel's accelerometer, for devices whose system plugins offer none. Those plugins know
    // their hardware best: any real accelerometer of theirs goes first.
    choice.iio = IioAccelerometer::offer();
    QList<QByteArray> accelerometers = backendsDefaultFirst(QByteArray(QAccelerometer::sensorType));
    if (accelerometers.removeOne(IioAccelerometer::Identifier))
        accelerometers.append(IioAccelerometer::Identifier);
    for (const QByteArray &id : std::as_const(accelerometers)) {
        QString reason;
        if (id.startsWith(DummyPrefix)) {
            reason = QStringLiteral("passed over: simulated");
        } else if (!choice.accelerometer.isEmpty()) {
            reason = QStringLiteral("passed over: %1 comes first")
                         .arg(QLatin1String(choice.accelerometer));
        } else {
            choice.accelerometer = id;
            reason = QStringLiteral("a real accelerometer");
        }
        choice.accelerometers.append({id, reason});
    }

    for (const QByteArray &id : backendsDefaultFirst(QByteArray(QRotationSensor::sensorType))) {
        QString reason;
        if (!choice.rotation.isEmpty()) {
            reason =
                QStringLiteral("passed over: %1 comes first").arg(QLatin1String(choice.rotation));
        } else if (id.startsWith(DummyPrefix)) {
            reason = QStringLiteral("passed over: simulated");
        } else if (id.startsWith(GenericPrefix)) {
            // The generic rotation is computed from the default accelerometer: it measures
            // something only when that is a real one.
            if (choice.accelerometer.isEmpty()) {
                reason = QStringLiteral(
                    "passed over: computed from an accelerometer, and no real one is offered");
            } else {
                choice.rotation = id;
                reason = QStringLiteral("used, computed from %1")
                             .arg(QLatin1String(choice.accelerometer));
            }
        } else {
            choice.rotation = id;
            reason = QStringLiteral("used");
        }
        choice.rotations.append({id, reason});
    }
    return choice;
}

} // namespace

RotationInput::RotationInput(QObject *parent, Clock clock)
    : Input(parent), sensor(nullptr), clock(clock ? std::move(clock) : stopwatch())
{
    pauseStart = this->clock();

    // Finding the sensor loads the sensor plugins and may ask the system bus for a sensor
    // service. That waits until the event loop runs, after the window is shown: no reading can
    // act within the first second anyway.
    QTimer::singleShot(0, this, &RotationInput::startSensor);
}

void RotationInput::startSensor()
{
    const QByteArray backend = measuringRotationBackend();
    if (backend.isEmpty())
        return;
    sensor.setIdentifier(backend);
    connect(&sensor, SIGNAL(readingChanged()), this, SLOT(readSensor()));
    sensor.start();
}

RotationInput::~RotationInput() = default;

QByteArray RotationInput::measuringRotationBackend()
{
    const BackendChoice choice = chooseBackends();
    if (choice.rotation.startsWith(GenericPrefix)) {
        const QByteArray accelerometerType(QAccelerometer::sensorType);
        if (QSensor::defaultSensorForType(accelerometerType) != choice.accelerometer)
            QSensorManager::setDefaultBackend(accelerometerType, choice.accelerometer);
    }
    return choice.rotation;
}

QStringList RotationInput::describeSensors()
{
    const BackendChoice choice = chooseBackends();
    QStringList lines;
    const auto list = [&lines](const QString &title, const QList<Verdict> &verdicts) {
        lines.append(title);
        if (verdicts.isEmpty())
            lines.append(QStringLiteral("  none offered"));
        for (const Verdict &verdict : verdicts)
            lines.append(QStringLiteral("  %1: %2").arg(QLatin1String(verdict.id), verdict.reason));
    };
    list(QStringLiteral("Rotation sensor backends:"), choice.rotations);
    list(QStringLiteral("Accelerometer backends:"), choice.accelerometers);
    lines.append(choice.iio.isValid() ? QStringLiteral("IIO accelerometer: %1 at %2")
                                            .arg(choice.iio.name(), choice.iio.path())
                                      : QStringLiteral("IIO accelerometer: none found in %1")
                                            .arg(IioDevice::devicesFolder()));
    lines.append(choice.rotation.isEmpty()
            ? QStringLiteral("Tilt input: off, no sensor measures this device")
            : QStringLiteral("Tilt input: reads %1").arg(QLatin1String(choice.rotation)));
    return lines;
}

void RotationInput::readSensor()
{
    if (clock() - pauseStart < RepeatPause)
        return;
    const QRotationReading *reading = sensor.reading();
    if (!reading)
        return;

    const qreal x = reading->x();
    const qreal y = reading->y();
    bool (Input::*move)() = nullptr;
    if (y > TiltThreshold)
        move = &Input::MoveLeft;
    else if (y < -TiltThreshold)
        move = &Input::MoveRight;
    else if (x > TiltThreshold)
        move = &Input::MoveUp;
    else if (x < -TiltThreshold)
        move = &Input::MoveDown;
    else
        return;

    // The pause restarts before the move is made: a move can open a modal box whose event loop
    // delivers further readings into this slot while the move is still being made.
    pauseStart = clock();
    emit(this->*move)();
}
