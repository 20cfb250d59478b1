// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include "board.h"
#include "puzzlefirst.h"
#include "puzzlepiece.h"

#include <QAccelerometer>
#include <QAccelerometerReading>
#include <QDeadlineTimer>
#include <QFile>
#include <QGraphicsItem>
#include <QGraphicsPixmapItem>
#include <QImage>
#include <QImageWriter>
#include <QPointer>
#include <QRotationReading>
#include <QRotationSensor>
#include <QSensorManager>
#include <QSettings>
#include <QTimer>
#include <QtEndian>

#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <unordered_map>

namespace TestSupport {

QString testPlayer()
{
    const QString player = qEnvironmentVariable("PLIVORA_TESTPLAYER");
    return player.isEmpty()
        ? QCoreApplication::applicationDirPath() + QStringLiteral("/plivora_testplayer")
        : player;
}

void clearSettings()
{
    QSettings settings {QLatin1String(PuzzleFirst::ORGANISATION_NAME),
        QLatin1String(PuzzleFirst::APPLICATION_NAME)};
    settings.clear();
    settings.sync();
}

void storeSetting(const QString &key, const QVariant &value)
{
    QSettings settings {QLatin1String(PuzzleFirst::ORGANISATION_NAME),
        QLatin1String(PuzzleFirst::APPLICATION_NAME)};
    settings.setValue(key, value);
    settings.sync();
}

QVariant storedSetting(const QString &key)
{
    QSettings settings {QLatin1String(PuzzleFirst::ORGANISATION_NAME),
        QLatin1String(PuzzleFirst::APPLICATION_NAME)};
    settings.sync();
    return settings.value(key);
}

QString describeTiles(const QList<QGraphicsItem *> &items)
{
    QStringList words {QStringLiteral("picture")};
    for (QGraphicsItem *item : items) {
        const auto *tile = qgraphicsitem_cast<QGraphicsPixmapItem *>(item);
        if (!tile)
            return QStringLiteral("numbers");
        const QImage image = tile->pixmap().toImage();
        words.append(image.pixelColor(image.width() / 2, image.height() / 2).name());
    }
    return words.join(QLatin1Char(' '));
}

QString describeTiles(const PuzzleFirst &engine)
{
    QList<QGraphicsItem *> items;
    for (int y = 0; y < PuzzleFirst::ROWS; ++y) {
        for (int x = 0; x < PuzzleFirst::COLS; ++x)
            items.append(engine.getPieceAt(x, y)->getItem());
    }
    return describeTiles(items);
}

QList<int> gridIds(const PuzzleFirst &engine)
{
    QList<int> ids;
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x)
            ids.append(engine.getPieceAt(x, y)->getId());
    }
    return ids;
}

namespace {

    int cellOf(BoardKey board, int id)
    {
        for (int cell = 0; cell < 9; ++cell) {
            if (int((board >> (4 * cell)) & 0xF) == id)
                return cell;
        }
        return -1;
    }

    BoardKey swapCells(BoardKey board, int a, int b)
    {
        const BoardKey va = (board >> (4 * a)) & 0xF;
        const BoardKey vb = (board >> (4 * b)) & 0xF;
        board &= ~((BoardKey(0xF) << (4 * a)) | (BoardKey(0xF) << (4 * b)));
        return board | (va << (4 * b)) | (vb << (4 * a));
    }

} // namespace

BoardKey boardKey(const QList<int> &ids)
{
    BoardKey key = 0;
    for (int cell = 0; cell < 9; ++cell)
        key |= BoardKey(ids.at(cell)) << (4 * cell);
    return key;
}

BoardKey goalBoard()
{
    return boardKey({0, 1, 2, 3, 4, 5, 6, 7, 8});
}

std::unordered_map<BoardKey, Reached> searchBoards(BoardKey start, std::optional<BoardKey> until)
{
    std::unordered_map<BoardKey, Reached> reached {{start, {start, 0}}};
    std::deque<BoardKey> queue {start};
    while (!queue.empty() && !(until && reached.count(*until))) {
        const BoardKey board = queue.front();
        queue.pop_front();
        const int distance = reached.at(board).distance;
        const int empty = cellOf(board, 0);
        const int ex = empty % 3;
        const int ey = empty / 3;
        const QPoint neighbours[] = {{ex - 1, ey}, {ex + 1, ey}, {ex, ey - 1}, {ex, ey + 1}};
        for (const QPoint &n : neighbours) {
            if (n.x() < 0 || n.x() > 2 || n.y() < 0 || n.y() > 2)
                continue;
            const BoardKey next = swapCells(board, empty, n.x() + 3 * n.y());
            if (reached.emplace(next, Reached {board, distance + 1}).second)
                queue.push_back(next);
        }
    }
    return reached;
}

QList<QPoint> solution(const PuzzleFirst &engine)
{
    const BoardKey start = boardKey(gridIds(engine));
    const BoardKey goal = goalBoard();
    const auto reached = searchBoards(start, goal);
    QList<QPoint> moves;
    if (!reached.count(goal))
        return moves;
    for (BoardKey board = goal; board != start; board = reached.at(board).from) {
        // The tile to move lies where the empty square is after the move.
        const int cell = cellOf(board, 0);
        moves.prepend(QPoint(cell % 3, cell / 3));
    }
    return moves;
}

QList<QGraphicsItem *> sceneTiles(const Board &board)
{
    QList<QGraphicsItem *> tiles;
    for (QGraphicsItem *item : board.items()) {
        if (!item->parentItem())
            tiles.append(item);
    }
    return tiles;
}

void settle(Board &board)
{
    const QList<QGraphicsItem *> items = sceneTiles(board);
    for (int tick = 0; tick < 400; ++tick) {
        QList<QPointF> before;
        for (QGraphicsItem *item : std::as_const(items))
            before.append(item->pos());
        board.DoTick();
        bool moved = false;
        for (int i = 0; i < items.size(); ++i)
            moved = moved || items.at(i)->pos() != before.at(i);
        if (!moved)
            return;
    }
}

void solveByMouse(Board &board, const PuzzleFirst &engine)
{
    const QList<QPoint> moves = solution(engine);
    QVERIFY(!moves.isEmpty());
    for (const QPoint &move : moves) {
        settle(board);
        QGraphicsItem *tile = engine.getPieceAt(move.x(), move.y())->getItem();
        const QPointF centre = tile->mapToScene(tile->boundingRect().center());
        QTest::mouseRelease(
            board.viewport(), Qt::LeftButton, Qt::NoModifier, board.mapFromScene(centre));
    }
    settle(board);
}

QPointingDevice *touchScreen()
{
    static QPointingDevice *const device = QTest::createTouchDevice();
    return device;
}

QColor regionColour(int x, int y)
{
    static const QColor colours[3][3] = {
        {QColor(220, 30, 30), QColor(30, 200, 30), QColor(30, 30, 220)},
        {QColor(230, 230, 30), QColor(30, 220, 220), QColor(220, 30, 220)},
        {QColor(250, 250, 250), QColor(20, 20, 20), QColor(240, 140, 20)},
    };
    return colours[y][x];
}

bool writeRegionPicture(
    const QString &path, const QSize &size, const char *format, bool progressive)
{
    // Eight bits a pixel keeps even an 8000 x 6000 picture small in memory.
    QImage image(size, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x)
            table.append(regionColour(x, y).rgb());
    }
    image.setColorTable(table);
    for (int row = 0; row < size.height(); ++row) {
        uchar *line = image.scanLine(row);
        const int y = int(qint64(row) * 3 / size.height());
        for (int column = 0; column < size.width(); ++column)
            line[column] = uchar(int(qint64(column) * 3 / size.width()) + 3 * y);
    }
    QImageWriter writer(path, format);
    writer.setQuality(90);
    writer.setProgressiveScanWrite(progressive);
    return writer.write(image);
}

namespace {

    void appendChunk(QByteArray &png, const char *type, const QByteArray &data)
    {
        QByteArray chunk(type, 4);
        chunk += data;
        char length[4];
        qToBigEndian<quint32>(quint32(data.size()), length);
        char crc[4];
        qToBigEndian<quint32>(quint32(crc32(0, reinterpret_cast<const Bytef *>(chunk.constData()),
                                  uInt(chunk.size()))),
            crc);
        png.append(length, 4);
        png.append(chunk);
        png.append(crc, 4);
    }

} // namespace

bool writeZeroPng(const QString &path, int width, int height)
{
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(quint32(width), header.data());
    qToBigEndian<quint32>(quint32(height), header.data() + 4);
    header[8] = 1; // bit depth
    header[9] = 0; // greyscale

    // Each row: filter byte 0, then width bits of zero. Compressed as a stream, so the zeros are
    // never all in memory at once.
    const QByteArray row(1 + (width + 7) / 8, '\0');
    z_stream stream {};
    if (deflateInit(&stream, Z_BEST_SPEED) != Z_OK)
        return false;
    QByteArray compressed;
    char out[1 << 16];
    for (int y = 0; y <= height; ++y) {
        const bool last = y == height;
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(row.constData()));
        stream.avail_in = last ? 0 : uInt(row.size());
        do {
            stream.next_out = reinterpret_cast<Bytef *>(out);
            stream.avail_out = sizeof out;
            deflate(&stream, last ? Z_FINISH : Z_NO_FLUSH);
            compressed.append(out, int(sizeof out - stream.avail_out));
        } while (stream.avail_out == 0);
    }
    deflateEnd(&stream);

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", compressed);
    appendChunk(png, "IEND", QByteArray());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(png) == png.size();
}

const QByteArray TestSensors::ROTATION_ID = QByteArrayLiteral("plivora-test.rotation");
const QByteArray TestSensors::ACCELEROMETER_ID = QByteArrayLiteral("plivora-test.accelerometer");

namespace {

    template<typename Reading>
    class TestBackend : public QSensorBackend
    {
    public:
        explicit TestBackend(QSensor *sensor) : QSensorBackend(sensor)
        {
            setReading<Reading>(&reading);
            addDataRate(1, 100);
        }
        void start() override { started = true; }
        void stop() override { started = false; }
        void deliver() { newReadingAvailable(); }

        Reading reading;
        bool started = false;
    };

    using RotationBackend = TestBackend<QRotationReading>;
    using AccelerometerBackend = TestBackend<QAccelerometerReading>;

    // Backends are owned by their sensors; the pointers go null when those go.
    QPointer<QObject> rotationBackend;
    QPointer<QObject> accelerometerBackend;

    quint64 nextTimestamp()
    {
        static quint64 timestamp = 0;
        return timestamp += 1000;
    }

} // namespace

void TestSensors::registerRotation(bool asDefault)
{
    QSensorManager::registerBackend(QRotationSensor::sensorType, ROTATION_ID, this);
    registered.append(ROTATION_ID);
    if (asDefault) {
        QSensor::defaultSensorForType(QRotationSensor::sensorType); // reads the configuration first
        QSensorManager::setDefaultBackend(QRotationSensor::sensorType, ROTATION_ID);
    }
}

void TestSensors::registerAccelerometer()
{
    QSensorManager::registerBackend(QAccelerometer::sensorType, ACCELEROMETER_ID, this);
    registered.append(ACCELEROMETER_ID);
}

void TestSensors::unregisterAll()
{
    if (registered.removeAll(ROTATION_ID))
        QSensorManager::unregisterBackend(QRotationSensor::sensorType, ROTATION_ID);
    if (registered.removeAll(ACCELEROMETER_ID))
        QSensorManager::unregisterBackend(QAccelerometer::sensorType, ACCELEROMETER_ID);
}

QSensorBackend *TestSensors::createBackend(QSensor *sensor)
{
    if (sensor->identifier() == ROTATION_ID) {
        auto *backend = new RotationBackend(sensor);
        rotationBackend = backend;
        return backend;
    }
    if (sensor->identifier() == ACCELEROMETER_ID) {
        auto *backend = new AccelerometerBackend(sensor);
        accelerometerBackend = backend;
        return backend;
    }
    return nullptr;
}

void TestSensors::pushRotation(qreal x, qreal y)
{
    auto *backend = static_cast<RotationBackend *>(rotationBackend.data());
    QVERIFY2(backend, "no rotation sensor uses the test backend");
    backend->reading.setTimestamp(nextTimestamp());
    backend->reading.setFromEuler(x, y, 0);
    backend->deliver();
}

void TestSensors::pushAcceleration(qreal x, qreal y, qreal z)
{
    auto *backend = static_cast<AccelerometerBackend *>(accelerometerBackend.data());
    QVERIFY2(backend, "no accelerometer uses the test backend");
    backend->reading.setTimestamp(nextTimestamp());
    backend->reading.setX(x);
    backend->reading.setY(y);
    backend->reading.setZ(z);
    backend->deliver();
}

bool TestSensors::rotationStarted()
{
    auto *backend = static_cast<RotationBackend *>(rotationBackend.data());
    return backend && backend->started;
}

bool TestSensors::accelerometerStarted()
{
    auto *backend = static_cast<AccelerometerBackend *>(accelerometerBackend.data());
    return backend && backend->started;
}

bool waitFor(const std::function<bool()> &predicate, int timeout)
{
    const QDeadlineTimer deadline(timeout);
    QTimer tick; // wakes the loop when nothing else does
    tick.start(1);
    while (!predicate()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

Watchdog::Watchdog(int milliseconds, const char *what)
{
    thread = std::thread([this, milliseconds, what] {
        std::unique_lock<std::mutex> lock(mutex);
        if (!done.wait_for(
                lock, std::chrono::milliseconds(milliseconds), [this] { return finished; })) {
            std::fprintf(
                stderr, "FAIL! watchdog: %s still running after %d ms\n", what, milliseconds);
            std::fflush(stderr);
            std::_Exit(3);
        }
    });
}

Watchdog::~Watchdog()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        finished = true;
    }
    done.notify_all();
    thread.join();
}

} // namespace TestSupport
