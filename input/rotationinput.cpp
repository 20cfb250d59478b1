#include "rotationinput.h"

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
    const QByteArray accelerometerType(QAccelerometer::sensorType);
    QByteArray accelerometer;
    for (const QByteArray &id : backendsDefaultFirst(accelerometerType)) {
        if (!id.startsWith(DummyPrefix)) {
            accelerometer = id;
            break;
        }
    }

    for (const QByteArray &id : backendsDefaultFirst(QByteArray(QRotationSensor::sensorType))) {
        if (id.startsWith(DummyPrefix))
            continue;
        if (id.startsWith(GenericPrefix)) {
            // The generic rotation is computed from the default accelerometer: it measures
            // something only when that is a real one.
            if (accelerometer.isEmpty())
                continue;
            if (QSensor::defaultSensorForType(accelerometerType) != accelerometer)
                QSensorManager::setDefaultBackend(accelerometerType, accelerometer);
        }
        return id;
    }
    return QByteArray();
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
