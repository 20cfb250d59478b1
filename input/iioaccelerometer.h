// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef IIOACCELEROMETER_H
#define IIOACCELEROMETER_H

#include "iiodevice.h"

#include <QAccelerometerReading>
#include <QByteArray>
#include <QSensorBackend>
#include <QTimer>

// An accelerometer backend for the sensor module that reads a kernel IIO accelerometer through
// sysfs, so that the module's generic rotation can turn a phone's or tablet's own accelerometer
// into rotation readings. Sysfs gives no events: while started, the backend reads the device on
// a timer of the GUI thread; stopped, it does nothing. A tick on which the device does not answer
// with plausible numbers gives no reading and no message; the next one tries again.
class IioAccelerometer : public QSensorBackend
{
    Q_OBJECT

public:
    static const QByteArray Identifier;
    static constexpr int ReadingsPerSecond = 20;

    // Looks for an accelerometer (IioDevice::find) and offers this backend to the sensor manager
    // when there is one; withdraws the offer when there is none. Returns the device found.
    static IioDevice offer();

    IioAccelerometer(const IioDevice &device, QSensor *sensor);

    void start() override;
    void stop() override;

private:
    void poll();

    IioDevice device;
    QAccelerometerReading values;
    QTimer timer;
};

#endif // IIOACCELEROMETER_H
