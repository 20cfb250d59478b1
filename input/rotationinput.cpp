// SPDX-License-Identifier: GPL-3.0-or-later
#include "rotationinput.h"
#include "afterfirstframe.h"
#include "sensorchoice.h"

#include <QGuiApplication>
#include <QRotationReading>
#include <QTimer>
#include <QWindow>

#include <utility>

namespace {

constexpr qreal TiltThreshold = 15.0; // degrees
constexpr qint64 RepeatPause = 1000; // milliseconds

} // namespace

RotationInput::RotationInput(QObject *parent, Clock clock)
    : Input(parent), sensor(nullptr), clock(clock ? std::move(clock) : stopwatch())
{
    pauseStart = this->clock();

    // Finding the sensor loads the sensor plugins and may ask the system bus for a sensor
    // service. That waits until the event loop runs, and until the window shown has drawn its
    // first frame: no reading can act within the first second anyway.
    QTimer::singleShot(0, this, &RotationInput::startSensor);
}

void RotationInput::startSensor()
{
    // Tilt plays only a game in front, whose window has drawn.
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        if (window->isVisible() && !window->isExposed()) {
            new AfterFirstFrame(window, this, [this] { startSensor(); });
            return;
        }
    }

    const SensorChoice choice;
    if (choice.rotation().isEmpty())
        return;
    choice.apply();
    sensor.setIdentifier(choice.rotation());
    connect(&sensor, SIGNAL(readingChanged()), this, SLOT(readSensor()));
    if (inFront)
        sensor.start();
}

RotationInput::~RotationInput() = default;

void RotationInput::setInFront(bool front)
{
    if (front == inFront)
        return;
    inFront = front;
    if (front)
        pauseStart = clock();
    // Before the sensor is chosen its identifier is empty, and starting waits for the choice.
    if (sensor.identifier().isEmpty())
        return;
    if (front)
        sensor.start();
    else
        sensor.stop();
}

void RotationInput::readSensor()
{
    if (!inFront || clock() - pauseStart < RepeatPause)
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
