// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

#include "boardaccessible.h"
#include "clock.h"
#include "sandbox.h"
#include "translations.h"

#include <QApplication>
#include <QColor>
#include <QList>
#include <QPoint>
#include <QSensorBackend>
#include <QSize>
#include <QString>
#include <QtTest/QTest>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>

class Board;
class PuzzleFirst;
class QGraphicsItem;

namespace TestSupport {

// The second game process for tests (testplayer.cpp).
QString testPlayer();

// Removes everything from the game's settings store.
void clearSettings();
// Writes value under key in the game's settings store, as a text the way a user might.
void storeSetting(const QString &key, const QVariant &value);
QVariant storedSetting(const QString &key);

// "picture" and the colour at the centre of each tile, or "numbers" when the tiles are numbered:
// of tile items in the order given, or of the engine's grid, cell x + 3 * y first.
QString describeTiles(const QList<QGraphicsItem *> &items);
QString describeTiles(const PuzzleFirst &engine);

// The tile ids of the engine's grid, cell x + 3 * y first.
QList<int> gridIds(const PuzzleFirst &engine);

// A board as the tile ids of its cells, cell x + 3 * y in the four bits from 4 * (x + 3 * y).
using BoardKey = quint64;
BoardKey boardKey(const QList<int> &ids);
BoardKey goalBoard();

// How a breadth-first search reached a board: from which board, and in how many moves.
struct Reached
{
    BoardKey from;
    int distance;
};
// The boards that moves reach from start, each by the fewest moves: all of them, or those found
// until the search reaches the board until.
std::unordered_map<BoardKey, Reached> searchBoards(
    BoardKey start, std::optional<BoardKey> until = std::nullopt);

// The grid positions to move, one after the other, that bring the engine's grid back to the goal
// order by the fewest moves.
QList<QPoint> solution(const PuzzleFirst &engine);

// The tile items in the board view's scene (its top-level items), topmost first.
QList<QGraphicsItem *> sceneTiles(const Board &board);

// Calls Board::DoTick until no tile moves any more (at most 400 times).
void settle(Board &board);

// Solves the engine's puzzle by mouse releases on the tiles in the board view's viewport, letting
// the tiles settle before each one.
void solveByMouse(Board &board, const PuzzleFirst &engine);

// A touch screen for QTest::touchEvent, made once and kept for the whole process.
QPointingDevice *touchScreen();

// A picture of the given size cut into a 3 x 3 pattern of regions, region (x, y) coloured
// regionColour(x, y).
QColor regionColour(int x, int y);
bool writeRegionPicture(
    const QString &path, const QSize &size, const char *format = "PNG", bool progressive = false);

// A valid PNG that declares width x height one-bit pixels, all zero, in a few megabytes at most.
bool writeZeroPng(const QString &path, int width, int height);

// Sensor backends whose readings a test sets, registered with the sensor manager: a rotation
// sensor and an accelerometer. Each push delivers one reading at once.
class TestSensors : public QSensorBackendFactory
{
public:
    static const QByteArray ROTATION_ID;
    static const QByteArray ACCELEROMETER_ID;

    // Registers the backends; a rotation backend registered as default is what a
    // QRotationSensor made afterwards connects to.
    void registerRotation(bool asDefault);
    void registerAccelerometer();
    // Unregisters whatever this factory registered.
    void unregisterAll();

    // Deliver a reading through the newest backend of the type; the test fails if there is none.
    static void pushRotation(qreal x, qreal y);
    static void pushAcceleration(qreal x, qreal y, qreal z);
    // Whether the newest backend of the type has been started and not stopped.
    static bool rotationStarted();
    static bool accelerometerStarted();

    QSensorBackend *createBackend(QSensor *sensor) override;

private:
    QList<QByteArray> registered;
};

// A clock for the parts that take one: it stands still until the test moves it.
struct FakeClock
{
    qint64 now = 0;
    Clock clock() const
    {
        return [this] { return now; };
    }
};

// Runs the event loop until predicate holds, looking after every pass and at least every
// millisecond (QTest::qWaitFor sleeps 10 ms between looks), or until timeout milliseconds have
// passed; returns whether it holds.
bool waitFor(const std::function<bool()> &predicate, int timeout);

// Ends the process if it is still alive after the given time, so that a hang fails a test
// instead of stalling the run.
class Watchdog
{
public:
    Watchdog(int milliseconds, const char *what);
    ~Watchdog();

private:
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    std::thread thread;
};

} // namespace TestSupport

// As QTRY_VERIFY_WITH_TIMEOUT and QTRY_COMPARE_WITH_TIMEOUT, which look again only every 50 ms,
// but looking after every pass of the event loop (TestSupport::waitFor): for waits on events that
// come every few milliseconds, such as a fake accelerometer's readings.
#define PLIVORA_TRY_VERIFY(expr, timeout)                                                          \
    QVERIFY2(TestSupport::waitFor([&] { return bool(expr); }, timeout), #expr)
#define PLIVORA_TRY_COMPARE(actual, expected, timeout)                                             \
    do {                                                                                           \
        (void)TestSupport::waitFor([&] { return (actual) == (expected); }, timeout);               \
        QCOMPARE(actual, expected);                                                                \
    } while (false)

// Opens a test function that is a system test in a program of unit tests: it waits on the real
// clock or runs other processes. Skipped where PLIVORA_SKIP_SYSTEM_TESTS is set, as in the unit
// tests' run; tests/CMakeLists.txt runs it on its own among the system tests.
#define PLIVORA_SYSTEM_TEST()                                                                      \
    do {                                                                                           \
        if (qEnvironmentVariableIsSet("PLIVORA_SKIP_SYSTEM_TESTS"))                                \
            QSKIP("a system test: run on its own");                                                \
    } while (false)

// QTEST_MAIN with the isolated environment, in English, and the board read by screen readers
// as the game reads it.
#define PLIVORA_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        TestSupport::isolateEnvironment();                                                         \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        const Translations translations(QLocale(QLocale::English));                                \
        BoardAccessible::install();                                                                \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }

#endif // TESTSUPPORT_H
