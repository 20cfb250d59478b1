// SPDX-License-Identifier: GPL-3.0-or-later
#include "busycursor.h"

#include <QCursor>
#include <QGuiApplication>
#include <QThreadPool>

#include <future>
#include <memory>

namespace {

// One thread for every picture, kept for the next: a thread of its own for each would set up and
// tear down the toolkit's and the event loop library's state for it every time.
class Decoder : public QThreadPool
{
public:
    Decoder()
    {
        setMaxThreadCount(1);
        setExpiryTimeout(-1);
    }
};

} // namespace

QImage BusyCursor::wait(const std::function<QImage()> &job, std::chrono::milliseconds threshold)
{
    auto task = std::make_shared<std::packaged_task<QImage()>>(job);
    std::future<QImage> result = task->get_future();
    static Decoder decoder;
    decoder.start([task] { (*task)(); });

    // Setting the cursor sends it to the window system without an event loop (the X11 platform
    // flushes it); nothing else may run here.
    const bool busy = result.wait_for(threshold) != std::future_status::ready
        && qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (busy)
        QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    result.wait();
    if (busy)
        QGuiApplication::restoreOverrideCursor();
    return result.get();
}
