// SPDX-License-Identifier: GPL-3.0-or-later
#include "iioaccelerometer.h"

#include <QAccelerometer>
#include <QSensorManager>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

const QByteArray IioAccelerometer::IDENTIFIER = QByteArrayLiteral("plivora.iio.accelerometer");

namespace {

// Makes the backends for the device that the last offer found. The sensor manager keeps a plain
// pointer to it for the life of the process.
class Factory : public QSensorBackendFactory
{
public:
    QSensorBackend *createBackend(QSensor *sensor) override
    {
        if (sensor->identifier() != IioAccelerometer::IDENTIFIER || !device.isValid())
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

quint64 microsecondsNow()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return quint64(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

} // namespace

// What the backend and its reading thread share, under mutex.
struct IioAccelerometer::Reader
{
    std::mutex mutex;
    std::condition_variable changed;
    IioAccelerometer *backend; // null once the backend is gone: the thread then ends
    bool running = false;
    std::chrono::microseconds interval {};
    bool waiting = false; // a reading is on its way to the backend and not yet taken
    IioDevice::Vector latest {};
    quint64 timestamp = 0;

    explicit Reader(IioAccelerometer *backend) : backend(backend) { }

    // The reading thread: while running, one read per interval, or back to back when reads take
    // longer; each reading goes to the backend's thread unless one is already on its way there.
    static void run(std::shared_ptr<Reader> reader, IioDevice device)
    {
        std::unique_lock<std::mutex> lock(reader->mutex);
        auto next = std::chrono::steady_clock::now();
        const auto stopped = [&reader] { return !reader->backend || !reader->running; };
        for (;;) {
            reader->changed.wait(lock, [&reader] { return !reader->backend || reader->running; });
            if (!reader->backend)
                return;
            if (reader->changed.wait_until(lock, next, stopped))
                continue;
            next = std::chrono::steady_clock::now() + reader->interval;
            lock.unlock();
            IioDevice::Vector acceleration;
            const bool read = device.read(acceleration);
            const quint64 timestamp = microsecondsNow();
            lock.lock();
            if (!read || stopped())
                continue;
            reader->latest = acceleration;
            reader->timestamp = timestamp;
            if (!reader->waiting) {
                reader->waiting = true;
                // The backend cannot go while the lock is held; once it has gone, the toolkit
                // drops the call with it.
                IioAccelerometer *backend = reader->backend;
                QMetaObject::invokeMethod(
                    backend, [backend] { backend->takeReading(); }, Qt::QueuedConnection);
            }
        }
    }
};

IioDevice IioAccelerometer::offer()
{
    Factory &backends = factory();
    backends.device = IioDevice::find();
    const QByteArray type(QAccelerometer::sensorType);
    const bool offered = QSensorManager::isBackendRegistered(type, IDENTIFIER);
    if (backends.device.isValid() && !offered)
        QSensorManager::registerBackend(type, IDENTIFIER, &backends);
    else if (!backends.device.isValid() && offered)
        QSensorManager::unregisterBackend(type, IDENTIFIER);
    return backends.device;
}

int IioAccelerometer::readingsPerSecond()
{
    bool ok = false;
    const int rate = qEnvironmentVariableIntValue("PLIVORA_IIO_READINGS_PER_SECOND", &ok);
    return ok && rate >= 1 && rate <= MAX_READINGS_PER_SECOND ? rate : READINGS_PER_SECOND;
}

IioAccelerometer::IioAccelerometer(const IioDevice &device, QSensor *sensor)
    : QSensorBackend(sensor), device(device)
{
    setReading<QAccelerometerReading>(&values);
    addDataRate(1, readingsPerSecond());
    setDescription(QStringLiteral("%1 (IIO) at %2").arg(device.name(), device.path()));
}

IioAccelerometer::~IioAccelerometer()
{
    if (!reader)
        return;
    const std::lock_guard<std::mutex> lock(reader->mutex);
    reader->backend = nullptr;
    reader->changed.notify_all();
}

void IioAccelerometer::start()
{
    // The thread is made at the first start and serves every later one: a read that hangs keeps
    // the one thread, never piles up more.
    if (!reader) {
        reader = std::make_shared<Reader>(this);
        std::thread(Reader::run, reader, device).detach();
    }
    const int most = readingsPerSecond();
    const int asked = sensor()->dataRate();
    const int rate = asked > 0 && asked < most ? asked : most;
    const std::lock_guard<std::mutex> lock(reader->mutex);
    reader->interval = std::chrono::microseconds(1000000 / rate);
    reader->running = true;
    reader->changed.notify_all();
}

void IioAccelerometer::stop()
{
    if (!reader)
        return;
    const std::lock_guard<std::mutex> lock(reader->mutex);
    reader->running = false;
    reader->waiting = false;
    reader->changed.notify_all();
}

void IioAccelerometer::takeReading()
{
    {
        const std::lock_guard<std::mutex> lock(reader->mutex);
        if (!reader->waiting)
            return; // stopped since
        reader->waiting = false;
        values.setX(reader->latest[0]);
        values.setY(reader->latest[1]);
        values.setZ(reader->latest[2]);
        values.setTimestamp(reader->timestamp);
    }
    newReadingAvailable();
}
