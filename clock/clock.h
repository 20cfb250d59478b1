// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CLOCK_H
#define CLOCK_H

#include <QElapsedTimer>

#include <functional>

// Milliseconds on a monotonic clock; only the difference between two readings means anything,
// and as both are whole milliseconds it lies within one millisecond of the time between them.
// The parts that measure time (the engine's game clock, the tilt input's repeat pause) take one
// at construction, so that a test can give them a clock it sets itself.
using Clock = std::function<qint64()>;

// The clock those parts run on by default: a monotonic stopwatch, started when it is made.
inline Clock stopwatch()
{
    QElapsedTimer timer;
    timer.start();
    return [timer] { return timer.elapsed(); };
}

#endif // CLOCK_H
