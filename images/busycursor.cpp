// SPDX-License-Identifier: GPL-3.0-or-later
#include "busycursor.h"

#include <QCursor>
#include <QGuiApplication>

#include <future>
#include <thread>

QImage BusyCursor::wait(const std::function<QImage()> &job, std::chrono::milliseconds threshold)
{
    std::packaged_task<QImage()> task(job);
    std::future<QImage> result = task.get_future();
    std::thread worker(std::move(task));

    // Setting the cursor sends it to the window system without an event loop (the X11 platform
    // flushes it); nothing else may run here.
    const bool busy = result.wait_for(threshold) != std::future_status::ready
        && qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (busy)
        QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    worker.join();
    if (busy)
        QGuiApplication::restoreOverrideCursor();
    return result.get();
}
