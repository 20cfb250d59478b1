// SPDX-License-Identifier: GPL-3.0-or-later
// The game on a fake kernel accelerometer whose every raw read takes the given time, as real
// drivers make it take: how long a click and a tilt take to start a slide, and how often the
// device is read while it lies level and while the window is minimised.
//
// The three raw values are named pipes that a thread each answers, as a chip that measures for
// the given time and then gives the value of that moment. A click is posted from another thread,
// as the window system's would wait in the queue; a slide has started when the board's scene
// first changes. Needs a display with a window manager (minimising). Usage: bench_tilt [ms]
#include "board.h"
#include "puzzleui.h"
#include "sandbox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Steady = std::chrono::steady_clock;

// Raw values of a bmc150 on the back of the board: lying level, and tilted 30° so that the empty
// square travels down, or up.
constexpr std::array<int, 3> LEVEL {0, 0, -1020};
constexpr std::array<int, 3> DOWN {0, -510, -884};
constexpr std::array<int, 3> UP {0, 510, -884};

std::array<std::atomic<int>, 3> raw;
std::atomic<long> reads {0};
int delayMs = 0;

// Answers the reads of one axis for ever.
void chip(const QByteArray &pipe, int axis)
{
    for (;;) {
        const int fd = ::open(pipe.constData(), O_WRONLY | O_CLOEXEC);
        if (fd < 0)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        const QByteArray text = QByteArray::number(raw[axis].load()) + '\n';
        const bool written = ::write(fd, text.constData(), size_t(text.size())) == text.size();
        int unread = 0;
        while (written && ::ioctl(fd, FIONREAD, &unread) == 0 && unread > 0)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        ::close(fd);
        if (written)
            ++reads;
    }
}

void setRaw(const std::array<int, 3> &values)
{
    for (int axis = 0; axis < 3; ++axis)
        raw[axis] = values[axis];
}

// Milliseconds from start until the board's scene next changes.
double untilSlide(Board *board, const std::function<void()> &start)
{
    Steady::time_point began;
    bool moved = false;
    const auto connection = QObject::connect(
        board->QGraphicsView::scene(), &QGraphicsScene::changed, [&moved] { moved = true; });
    began = Steady::now();
    start();
    const bool slid = QTest::qWaitFor([&moved] { return moved; }, 20000);
    const double ms = std::chrono::duration<double, std::milli>(Steady::now() - began).count();
    QObject::disconnect(connection);
    QTest::qWait(1000); // the slide ends, the repeat pause is over
    return slid ? ms : -1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

void clickTile(Board *board, int x, int y)
{
    const QList<QGraphicsItem *> items = board->QGraphicsView::scene()->items();
    for (QGraphicsItem *item : items) {
        if (item->data(1).toInt() == x && item->data(2).toInt() == y && !item->parentItem()) {
            const QPoint at = board->mapFromScene(item->sceneBoundingRect().center());
            // From another thread, as a click of the window system waits for the event loop.
            std::thread([board, at] {
                QWidget *viewport = board->viewport();
                for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                    QCoreApplication::postEvent(viewport,
                        new QMouseEvent(type, at, viewport->mapToGlobal(at), Qt::LeftButton,
                            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                            Qt::NoModifier));
            }).detach();
            return;
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    delayMs = argc > 1 ? std::atoi(argv[1]) : 0;
    std::signal(SIGPIPE, SIG_IGN);
    // The raw values of the fake bmc150 become pipes.
    TestSupport::FakeIio iio;
    iio.writeAccelerometer(TestSupport::FakeIio::BMC150, {0, 0, 0});
    setRaw(LEVEL);
    for (int axis = 0; axis < 3; ++axis) {
        const QString raw = iio.path(QStringLiteral("%1/in_accel_%2_raw")
                                         .arg(QLatin1String(TestSupport::FakeIio::DEVICE))
                                         .arg(QChar('x' + axis)));
        const QByteArray pipe = QFile::encodeName(raw);
        QFile::remove(raw);
        ::mkfifo(pipe.constData(), 0600);
        std::thread(chip, pipe, axis).detach();
    }
    // The goal order, with the empty square top-left, on settings of its own.
    QTemporaryDir work;
    QDir().mkpath(work.filePath("config/Zendrakk"));
    QFile settings(work.filePath("config/Zendrakk/Plivora.conf"));
    if (!settings.open(QIODevice::WriteOnly) || settings.write("[current]\ndifficulty=0\n") < 0)
        return 1;
    settings.close();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(work.filePath("config")));

    QApplication app(argc, argv);
    PuzzleUI window;
    window.showMaximized();
    if (!QTest::qWaitForWindowActive(&window, 20000)) {
        std::fprintf(stderr, "the window never became active\n");
        std::_Exit(1);
    }
    Board *board = window.findChild<Board *>();
    QTest::qWait(2000); // the sensor chosen and started, the first second over

    const auto readsPerSecond = [] {
        const long before = reads;
        const auto began = Steady::now();
        QTest::qWait(3000);
        const double seconds = std::chrono::duration<double>(Steady::now() - began).count();
        return double(reads - before) / seconds;
    };
    const double levelReads = readsPerSecond();

    std::vector<double> clicks;
    // The empty square to the middle of the top row and the end of it, and back, never home:
    // the puzzle stays unsolved.
    for (int i = 0; i < 6; ++i)
        clicks.push_back(untilSlide(board, [&] { clickTile(board, i % 2 ? 2 : 1, 0); }));

    std::vector<double> tilts;
    for (int i = 0; i < 10; ++i) {
        tilts.push_back(untilSlide(board, [i] { setRaw(i % 2 ? UP : DOWN); }));
        setRaw(LEVEL);
        // Back to level before the next tilt, which comes at another moment of the reading
        // clock.
        QTest::qWait(std::max(1000, 4 * delayMs) + 37 * i % 100);
    }

    window.showMinimized();
    if (!QTest::qWaitFor([&window] { return !window.isActiveWindow(); }, 20000))
        std::fprintf(stderr, "the window stayed active\n");
    QTest::qWait(std::max(500, 4 * delayMs)); // a read under way ends
    const double minimisedReads = readsPerSecond();

    std::printf("%d ms per raw read: click to slide %.0f ms (median of %zu), tilt to slide %.0f ms"
                " (median of %zu, worst %.0f); axis reads/s level %.1f, minimised %.1f\n",
        delayMs, median(clicks), clicks.size(), median(tilts), tilts.size(),
        *std::max_element(tilts.begin(), tilts.end()), levelReads, minimisedReads);
    std::fflush(stdout);
    std::_Exit(0); // the chip threads wait in their pipes
}
