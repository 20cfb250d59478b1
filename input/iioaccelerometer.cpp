// SPDX-License-Identifier: GPL-3.0-or-later
#include "iioaccelerometer.h"

#include <QAccelerometer>
#include <QSensorManager>

#include <chrono>

const QByteArray IioAccelerometer::Identifier = QByteArrayLiteral("plivora.iio.accelerometer");

namespace {

// Makes the backends for the device that the last offer found. The sensor manager keeps a plain
// pointer to it for the life of the process.
class Factory : public QSensorBackendFactory
{
public:
    QSensorBackend *createBackend(QSensor *sensor) override
    {
        if (sensor->identifier() != IioAccelerometer::Identifier || !device.isValid())
            return nullptr;
        return new IioAccelerometer(device, sensor);
    }

    IioDevice device;
};

Factory &factory()
{
    static Factory instance;
    return instance;
}

} // namespace

IioDevice IioAccelerometer::offer()
{
    Factory &backends = factory();
    backends.device = IioDevice::find();
    const QByteArray type(QAccelerometer::sensorType);
    const bool offered = QSensorManager::isBackendRegistered(type, Identifier);
    if (backends.device.isValid() && !offered)
        QSensorManager::registerBackend(type, Identifier, &backends);
    else if (!backends.device.isValid() && offered)
        QSensorManager::unregisterBackend(type, Identifier);
    return backends.device;
}

IioAccelerometer::IioAccelerometer(const IioDevice &device, QSensor *sensor)
    : QSensorBackend(sensor), device(device)
{
    setReading<QAccelerometerReading>(&values);
    addDataRate(1, ReadingsPerSecond);
    setDescription(QStringLiteral("%1 (IIO) at %2").arg(device.name(), device.path()));
    connect(&timer, &QTimer::timeout, this, &IioAccelerometer::poll);
}

void IioAccelerometer::start()
{
    const int rate = sensor()->dataRate();
    timer.start(1000 / (rate > 0 && rate < ReadingsPerSecond ? rate : ReadingsPerSecond));
}

void IioAccelerometer::stop()
{
    timer.stop();
}

void IioAccelerometer::poll()
{
    IioDevice::Vector acceleration;
    if (!device.read(acceleration))
        return;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    values.setTimestamp(
        quint64(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
    values.setX(acceleration[0]);
    values.setY(acceleration[1]);
    values.setZ(acceleration[2]);
    newReadingAvailable();
}
