// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BUSYCURSOR_H
#define BUSYCURSOR_H

#include <QImage>

#include <chrono>
#include <functional>

// Runs a picture-decoding job on a thread of its own while the calling GUI thread waits for it,
// and shows the busy cursor once the job takes longer than a moment. The waiting thread handles
// no events meanwhile, so that nothing re-enters the game half-way through building its tiles.
class BusyCursor
{
public:
    // How long a job runs before the busy cursor shows.
    static constexpr std::chrono::milliseconds THRESHOLD {200};

    // The job's picture. If the job is still running after threshold, the application's override
    // cursor is the busy cursor until it ends; the window system has the change at once.
    static QImage wait(
        const std::function<QImage()> &job, std::chrono::milliseconds threshold = THRESHOLD);
};

#endif // BUSYCURSOR_H
