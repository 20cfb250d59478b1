// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ROTATIONINPUT_H
#define ROTATIONINPUT_H

#include "clock.h"
#include "input.h"

#include <QRotationSensor>

// Turns the tilt of the device into moves: a rotation beyond 15 degrees about one axis gives one
// move, at most one a second. It reads the sensor that SensorChoice chooses, and none when there
// is none to choose.
class RotationInput : public Input
{
    Q_OBJECT

public:
    // The repeat pause runs on clock; by default on a monotonic stopwatch of its own. Tests give
    // their own to reach the edges of the pause exactly.
    explicit RotationInput(QObject *parent = nullptr, Clock clock = Clock());
    ~RotationInput() override;

    // Whether the game that the input plays is the one in front; it is from construction. Behind,
    // the sensor is stopped and no move comes; back in front, the sensor starts again and the
    // repeat pause begins anew, so the first second gives no move, as at start.
    void setInFront(bool front);

public slots:
    void readSensor();

private:
    void startSensor();

    QRotationSensor sensor;
    Clock clock;
    qint64 pauseStart = 0; // the clock at the last move, at construction, or at coming in front
    bool inFront = true;
};

#endif // ROTATIONINPUT_H
