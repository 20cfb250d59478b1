// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ROTATIONINPUT_H
#define ROTATIONINPUT_H

#include "clock.h"
#include "input.h"

#include <QByteArray>
#include <QRotationSensor>
#include <QStringList>

// Turns the tilt of the device into moves: a rotation beyond 15 degrees about one axis gives one
// move, at most one a second.
//
// Only a sensor that measures the device is used. Where the only rotation the toolkit offers is
// simulated (its dummy backends, or its generic rotation computed from the dummy accelerometer,
// which reports a steady tilt on every machine without sensors), the input stays silent.
class RotationInput : public Input
{
    Q_OBJECT

public:
    // The repeat pause runs on clock; by default on a monotonic stopwatch of its own. Tests give
    // their own to reach the edges of the pause exactly.
    explicit RotationInput(QObject *parent = nullptr, Clock clock = Clock());
    ~RotationInput() override;

    // A report for the player, one line each: the rotation and accelerometer backends the toolkit
    // offers, which one the input reads and why each other one is passed over, and which of the
    // kernel's accelerometers (IioAccelerometer) was found. Made by the same choice that the
    // input makes, without starting any sensor.
    static QStringList describeSensors();

public slots:
    void readSensor();

private:
    void startSensor();
    static QByteArray measuringRotationBackend();

    QRotationSensor sensor;
    Clock clock;
    qint64 pauseStart = 0; // the clock at the last move, or at construction
};

#endif // ROTATIONINPUT_H
