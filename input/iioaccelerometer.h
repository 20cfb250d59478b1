// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef IIOACCELEROMETER_H
#define IIOACCELEROMETER_H

#include "iiodevice.h"

#include <QAccelerometerReading>
#include <QByteArray>
#include <QSensorBackend>

#include <memory>

// An accelerometer backend for the sensor module that reads a kernel IIO accelerometer through
// sysfs, so that the module's generic rotation can turn a phone's or tablet's own accelerometer
// into rotation readings.
//
// Sysfs gives no events, and a raw read sleeps while the chip measures (up to seconds on some
// drivers, for ever on a hung bus). So while started, the backend reads the device on a clock of
// a thread of its own, one read at a time, and hands each reading to the thread the backend lives
// on, which is woken only for that. Readings that come while one is still waiting to be taken
// replace it: a slow chip gives fewer readings, never a backlog. Stopped, the device is not read.
// A read that fails gives no reading and no message; the next one tries again.
//
// The thread is never waited for: deleting the backend lets it go, and a read still in progress
// then ends, whenever it does, without touching anything of the backend's.
class IioAccelerometer : public QSensorBackend
{
    Q_OBJECT

public:
    static const QByteArray IDENTIFIER;
    static constexpr int READINGS_PER_SECOND = 8;
    // $PLIVORA_IIO_READINGS_PER_SECOND, when it is a number from 1 to this, replaces the default
    // rate, so that tests need not wait on it.
    static constexpr int MAX_READINGS_PER_SECOND = 1000;

    // Looks for an accelerometer (IioDevice::find) and offers this backend to the sensor manager
    // when there is one; withdraws the offer when there is none. Returns the device found.
    static IioDevice offer();

    // READINGS_PER_SECOND, or the rate that the environment sets.
    static int readingsPerSecond();

    IioAccelerometer(const IioDevice &device, QSensor *sensor);
    ~IioAccelerometer() override;

    void start() override;
    void stop() override;

private:
    struct Reader;

    void takeReading();

    IioDevice device;
    QAccelerometerReading values;
    std::shared_ptr<Reader> reader; // shared with the reading thread
};

#endif // IIOACCELEROMETER_H
