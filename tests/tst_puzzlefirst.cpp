// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzlefirst.h"
#include "puzzlepiece.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QGraphicsItemGroup>
#include <QGraphicsPixmapItem>
#include <QImage>
#include <QMetaMethod>
#include <QProcess>
#include <QScopeGuard>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

using namespace TestSupport;

namespace {

// Records the engine's signals in the order they come.
struct SignalLog
{
    explicit SignalLog(PuzzleFirst &engine)
    {
        QObject::connect(&engine, &PuzzleFirst::BoardChanged, [this] { events << "BoardChanged"; });
        QObject::connect(&engine, &PuzzleFirst::BoardPictureChanged,
            [this] { events << "BoardPictureChanged"; });
        QObject::connect(&engine, &PuzzleFirst::PuzzleSolved, [this] { events << "PuzzleSolved"; });
        QObject::connect(&engine, &PuzzleFirst::NewHighScore, [this](const QList<int> &list) {
            events << "NewHighScore";
            highscores = list;
        });
    }
    QStringList events;
    QList<int> highscores;
};

const QList<int> GoalIds = {0, 1, 2, 3, 4, 5, 6, 7, 8};

// The fewest moves from every reachable board to the goal order.
const std::unordered_map<BoardKey, Reached> &distancesToGoal()
{
    static const auto distances = searchBoards(goalBoard());
    return distances;
}

int manhattanFromGoal(const QPoint &cell)
{
    return cell.x() + cell.y();
}

// The settings file, where the toolkit's own store keeps it.
QString settingsPath()
{
    return QSettings(
        QLatin1String(PuzzleFirst::ORGANISATION_NAME), QLatin1String(PuzzleFirst::APPLICATION_NAME))
        .fileName();
}

QList<int> storedHighscores()
{
    QList<int> list;
    for (int position = 0; position < 3; ++position) {
        const QVariant value = storedSetting(QStringLiteral("highscore/%1").arg(position));
        list.append(value.isValid() ? value.toInt() : -99);
    }
    return list;
}

} // namespace

class TestPuzzleFirst : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void metaObjectListsShortForms();
    void constructionGivesGoalOrder();
    void constructorEnsuresDifficulty_data();
    void constructorEnsuresDifficulty();
    void getPieceAtReadsColumnThenRow();
    void gridWithoutEmptySquareRefusesMoves();
    void forcedMoveWhileStopped();
    void directionMoves_data();
    void directionMoves();
    void refusedPositions_data();
    void refusedPositions();
    void oppositeMoveRestores();
    void solvingMoveEndsGameInOrder();
    void highscoreInsertion_data();
    void highscoreInsertion();
    void scoreIsWholeSeconds_data();
    void scoreIsWholeSeconds();
    void storedHighscoresRead_data();
    void storedHighscoresRead();
    void damagedTypedValueKeptAsText();
    void unreadableFileNeverWrittenOver_data();
    void unreadableFileNeverWrittenOver();
    void foreignLinesKeptInOrder_data();
    void foreignLinesKeptInOrder();
    void changeWithinTheSameSecondSeen();
    void resetShufflesByDifficulty_data();
    void resetShufflesByDifficulty();
    void resetsDealFreshUnsolvedBoards_data();
    void resetsDealFreshUnsolvedBoards();
    void lastShuffleMoveNeverSolves_data();
    void lastShuffleMoveNeverSolves();
    void defaultPictureFollowsTheRatio_data();
    void defaultPictureFollowsTheRatio();
    void newGameTriggers_data();
    void newGameTriggers();
    void resetDropsRunningGameUnscored();
    void clockBeforeAndAfterGames();
    void realClockCountsMilliseconds();
    void twoProcessesKeepBothTimes_data();
    void twoProcessesKeepBothTimes();

private:
    QTemporaryDir workDir;
};

void TestPuzzleFirst::initTestCase()
{
    // No default.png here unless a test writes one: the engine starts on numbered tiles.
    QVERIFY(workDir.isValid());
    QVERIFY(QDir::setCurrent(workDir.path()));
}

void TestPuzzleFirst::init()
{
    clearSettings();
}

void TestPuzzleFirst::metaObjectListsShortForms()
{
    const QMetaObject &meta = PuzzleFirst::staticMetaObject;
    QStringList methods;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        methods << QString::fromLatin1(meta.method(i).methodSignature());
    const QStringList expected = {"PuzzleSolved()", "BoardChanged()", "NewHighScore(QList<int>)",
        "BoardPictureChanged()", "moveUp(bool)", "moveUp()", "moveDown(bool)", "moveDown()",
        "moveLeft(bool)", "moveLeft()", "moveRight(bool)", "moveRight()", "movePiece(int,int,bool)",
        "movePiece(int,int)", "ChangeDifficulty(int)", "ResetGame()", "StartGame()", "StopGame()"};
    QCOMPARE(methods, expected);
}

void TestPuzzleFirst::constructionGivesGoalOrder()
{
    PuzzleFirst engine;
    for (int x = 0; x < 3; ++x) {
        for (int y = 0; y < 3; ++y) {
            const PuzzlePiece *piece = engine.getPieceAt(x, y);
            QCOMPARE(piece->getId(), x + 3 * y);
            QCOMPARE(piece->getItem()->data(1), QVariant(x));
            QCOMPARE(piece->getItem()->data(2), QVariant(y));
            QVERIFY(!piece->getItem()->data(3).isValid());
        }
    }
    QCOMPARE(engine.FindEmptyPiece(), QPoint(0, 0));
    // No game runs: the goal order is not "finished" and unforced moves are refused.
    QVERIFY(!engine.isPuzzleFinished());
    QVERIFY(!engine.movePiece(1, 0));
    QCOMPARE(engine.GetElapsedTime(), 0);
}

void TestPuzzleFirst::constructorEnsuresDifficulty_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<int>("difficulty");

    QTest::newRow("absent") << QVariant() << "1" << 1;
    QTest::newRow("-1") << QVariant("-1") << "1" << 1;
    QTest::newRow("1") << QVariant("1") << "1" << 1;
    QTest::newRow("2") << QVariant("2") << "2" << 2;
    QTest::newRow("3") << QVariant("3") << "3" << 3;
    QTest::newRow("0 stays") << QVariant("0") << "0" << 0;
    QTest::newRow("7 stays") << QVariant("7") << "7" << 7;
    QTest::newRow("text") << QVariant("hard") << "1" << 1;
    QTest::newRow("empty text") << QVariant("") << "1" << 1;
    QTest::newRow("fraction") << QVariant("2.5") << "1" << 1;
    QTest::newRow("trailing junk") << QVariant("2x") << "1" << 1;
    QTest::newRow("beyond int") << QVariant("99999999999") << "1" << 1;
    QTest::newRow("list") << QVariant(QStringList {"2", "3"}) << "1" << 1;
}

void TestPuzzleFirst::constructorEnsuresDifficulty()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, storedAfter);
    QFETCH(int, difficulty);

    if (stored.isValid())
        storeSetting(QStringLiteral("current/difficulty"), stored);
    PuzzleFirst engine;
    QCOMPARE(storedSetting(QStringLiteral("current/difficulty")).toString(), storedAfter);
    QCOMPARE(engine.GetDifficulty(), difficulty);
}

void TestPuzzleFirst::getPieceAtReadsColumnThenRow()
{
    PuzzleFirst engine;
    QCOMPARE(engine.getPieceAt(2, 0)->getId(), 2);
    QCOMPARE(engine.getPieceAt(0, 2)->getId(), 6);
    QCOMPARE(engine.getPieceAt(3, 0), nullptr);
    QCOMPARE(engine.getPieceAt(0, -1), nullptr);
}

void TestPuzzleFirst::gridWithoutEmptySquareRefusesMoves()
{
    PuzzleFirst engine;
    engine.StartGame();
    engine.getPieceAt(0, 0)->setId(9);
    QCOMPARE(engine.FindEmptyPiece(), QPoint(-1, -1));
    QVERIFY(!engine.movePiece(1, 0));
    QVERIFY(!engine.movePiece(0, 1, true));
    QVERIFY(!engine.moveUp() && !engine.moveDown() && !engine.moveLeft() && !engine.moveRight());
}

void TestPuzzleFirst::forcedMoveWhileStopped()
{
    PuzzleFirst engine;
    SignalLog log(engine);
    PuzzlePiece *tile = engine.getPieceAt(1, 0);
    PuzzlePiece *empty = engine.getPieceAt(0, 0);

    QVERIFY(!engine.movePiece(1, 0, false));
    QCOMPARE(gridIds(engine), GoalIds);
    QVERIFY(log.events.isEmpty());

    QVERIFY(engine.movePiece(1, 0, true));
    QCOMPARE(engine.getPieceAt(0, 0), tile);
    QCOMPARE(engine.getPieceAt(1, 0), empty);
    QCOMPARE(tile->getItem()->data(1).toInt(), 0);
    QCOMPARE(tile->getItem()->data(2).toInt(), 0);
    QCOMPARE(empty->getItem()->data(1).toInt(), 1);
    QCOMPARE(empty->getItem()->data(2).toInt(), 0);
    QCOMPARE(log.events, QStringList {"BoardChanged"});

    // Back to the goal order by a forced move: no game runs, so none ends.
    QVERIFY(engine.movePiece(0, 0, true));
    QCOMPARE(gridIds(engine), GoalIds);
    QCOMPARE(log.events, QStringList({"BoardChanged", "BoardChanged"}));
}

void TestPuzzleFirst::directionMoves_data()
{
    QTest::addColumn<QList<QPoint>>("path"); // forced moves that place the empty square
    QTest::addColumn<QString>("direction");
    QTest::addColumn<bool>("moves");
    QTest::addColumn<QPoint>("from"); // the cell whose tile slides into the empty square

    const QList<QPoint> topLeft;
    const QList<QPoint> bottomRight = {{1, 0}, {2, 0}, {2, 1}, {2, 2}};
    const QList<QPoint> centre = {{1, 0}, {1, 1}};

    QTest::newRow("top-left up") << topLeft << "up" << false << QPoint();
    QTest::newRow("top-left left") << topLeft << "left" << false << QPoint();
    QTest::newRow("top-left down") << topLeft << "down" << true << QPoint(0, 1);
    QTest::newRow("top-left right") << topLeft << "right" << true << QPoint(1, 0);
    QTest::newRow("bottom-right down") << bottomRight << "down" << false << QPoint();
    QTest::newRow("bottom-right right") << bottomRight << "right" << false << QPoint();
    QTest::newRow("bottom-right up") << bottomRight << "up" << true << QPoint(2, 1);
    QTest::newRow("bottom-right left") << bottomRight << "left" << true << QPoint(1, 2);
    QTest::newRow("centre up") << centre << "up" << true << QPoint(1, 0);
    QTest::newRow("centre down") << centre << "down" << true << QPoint(1, 2);
    QTest::newRow("centre left") << centre << "left" << true << QPoint(0, 1);
    QTest::newRow("centre right") << centre << "right" << true << QPoint(2, 1);
}

void TestPuzzleFirst::directionMoves()
{
    QFETCH(QList<QPoint>, path);
    QFETCH(QString, direction);
    QFETCH(bool, moves);
    QFETCH(QPoint, from);

    PuzzleFirst engine;
    for (const QPoint &cell : path)
        QVERIFY(engine.movePiece(cell.x(), cell.y(), true));
    engine.StartGame();
    const QPoint empty = engine.FindEmptyPiece();
    const QList<int> before = gridIds(engine);
    PuzzlePiece *tile = moves ? engine.getPieceAt(from.x(), from.y()) : nullptr;
    QSignalSpy changed(&engine, &PuzzleFirst::BoardChanged);

    bool result = false;
    if (direction == "up")
        result = engine.moveUp();
    else if (direction == "down")
        result = engine.moveDown();
    else if (direction == "left")
        result = engine.moveLeft();
    else
        result = engine.moveRight();

    QCOMPARE(result, moves);
    QCOMPARE(changed.count(), moves ? 1 : 0);
    if (!moves) {
        QCOMPARE(gridIds(engine), before);
        return;
    }
    QCOMPARE(engine.getPieceAt(empty.x(), empty.y()), tile);
    QCOMPARE(engine.FindEmptyPiece(), from);
    QCOMPARE(tile->getItem()->data(1).toInt(), empty.x());
    QCOMPARE(tile->getItem()->data(2).toInt(), empty.y());
    QGraphicsItem *emptyItem = engine.getPieceAt(from.x(), from.y())->getItem();
    QCOMPARE(emptyItem->data(1).toInt(), from.x());
    QCOMPARE(emptyItem->data(2).toInt(), from.y());
}

void TestPuzzleFirst::refusedPositions_data()
{
    QTest::addColumn<QPoint>("cell");
    QTest::newRow("the empty square") << QPoint(0, 0);
    QTest::newRow("diagonal") << QPoint(1, 1);
    QTest::newRow("two away") << QPoint(2, 0);
    QTest::newRow("far corner") << QPoint(2, 2);
    QTest::newRow("right of grid") << QPoint(3, 0);
    QTest::newRow("left of grid") << QPoint(-1, 0);
    QTest::newRow("below grid") << QPoint(0, 3);
    QTest::newRow("above grid") << QPoint(0, -1);
}

void TestPuzzleFirst::refusedPositions()
{
    QFETCH(QPoint, cell);
    PuzzleFirst engine;
    engine.StartGame();
    QSignalSpy changed(&engine, &PuzzleFirst::BoardChanged);
    QVERIFY(!engine.isMoveValid(cell.x(), cell.y()));
    QVERIFY(!engine.movePiece(cell.x(), cell.y()));
    QVERIFY(!engine.movePiece(cell.x(), cell.y(), true));
    QCOMPARE(gridIds(engine), GoalIds);
    QCOMPARE(changed.count(), 0);
}

void TestPuzzleFirst::oppositeMoveRestores()
{
    PuzzleFirst engine;
    QVERIFY(engine.movePiece(1, 0, true));
    QVERIFY(engine.movePiece(1, 1, true)); // empty square now in the centre
    engine.StartGame();
    const QList<int> before = gridIds(engine);
    QVERIFY(engine.moveUp());
    QVERIFY(engine.moveDown());
    QCOMPARE(gridIds(engine), before);
    QVERIFY(engine.moveLeft());
    QVERIFY(engine.moveRight());
    QCOMPARE(gridIds(engine), before);
    for (int x = 0; x < 3; ++x) {
        for (int y = 0; y < 3; ++y) {
            QCOMPARE(engine.getPieceAt(x, y)->getItem()->data(1).toInt(), x);
            QCOMPARE(engine.getPieceAt(x, y)->getItem()->data(2).toInt(), y);
        }
    }
}

void TestPuzzleFirst::solvingMoveEndsGameInOrder()
{
    FakeClock clock;
    PuzzleFirst engine(nullptr, clock.clock());
    QVERIFY(engine.movePiece(0, 1, true));
    engine.StartGame();
    SignalLog log(engine);

    QVERIFY(engine.moveUp());
    QCOMPARE(log.events, QStringList({"BoardChanged", "PuzzleSolved", "NewHighScore"}));
    QCOMPARE(log.highscores, QList<int>({0, -1, -1}));
    QCOMPARE(storedHighscores(), QList<int>({0, -1, -1}));

    // Stopped: ordinary moves are refused and the time stands still.
    QVERIFY(!engine.movePiece(1, 0));
    QVERIFY(!engine.moveDown());
    const int time = engine.GetElapsedTime();
    clock.now += 5000;
    QCOMPARE(engine.GetElapsedTime(), time);
}

void TestPuzzleFirst::highscoreInsertion_data()
{
    // A game solved with the clock standing still scores 0 seconds; ties go after the stored time,
    // so the rows reach every position of the list with that one score.
    QTest::addColumn<QVariantList>("before");
    QTest::addColumn<QList<int>>("after");

    QTest::newRow("empty store") << QVariantList() << QList<int> {0, -1, -1};
    QTest::newRow("all empty") << QVariantList {-1, -1, -1} << QList<int> {0, -1, -1};
    QTest::newRow("first, shifting") << QVariantList {30, 60, -1} << QList<int> {0, 30, 60};
    QTest::newRow("first, last drops") << QVariantList {30, 45, 60} << QList<int> {0, 30, 45};
    QTest::newRow("tie goes second") << QVariantList {0, 45, 60} << QList<int> {0, 0, 45};
    QTest::newRow("tie goes third") << QVariantList {0, 0, 60} << QList<int> {0, 0, 0};
    QTest::newRow("no place") << QVariantList {0, 0, 0} << QList<int> {0, 0, 0};
    QTest::newRow("into the first hole") << QVariantList {0, -1, -1} << QList<int> {0, 0, -1};
    QTest::newRow("hole in the middle") << QVariantList {0, -1, 30} << QList<int> {0, 0, -1};
    QTest::newRow("corrupted read as empty")
        << QVariantList {"abc", "99999999999", "-10"} << QList<int> {0, -1, -1};
    QTest::newRow("negative in the middle") << QVariantList {5, -15, 2} << QList<int> {0, 5, -1};
}

void TestPuzzleFirst::highscoreInsertion()
{
    QFETCH(QVariantList, before);
    QFETCH(QList<int>, after);
    for (int position = 0; position < before.size(); ++position)
        storeSetting(QStringLiteral("highscore/%1").arg(position), before.at(position));

    FakeClock clock;
    PuzzleFirst engine(nullptr, clock.clock());
    QVERIFY(engine.movePiece(1, 0, true));
    engine.StartGame();
    SignalLog log(engine);
    QVERIFY(engine.moveLeft());
    QCOMPARE(log.events.last(), QString("NewHighScore"));
    QCOMPARE(log.highscores, after);
    QCOMPARE(engine.GetHighscores(), after);
    QCOMPARE(storedHighscores(), after);
}

void TestPuzzleFirst::scoreIsWholeSeconds_data()
{
    QTest::addColumn<int>("milliseconds");
    QTest::addColumn<int>("score");
    QTest::newRow("999 ms") << 999 << 0;
    QTest::newRow("1000 ms") << 1000 << 1;
    QTest::newRow("1100 ms") << 1100 << 1;
    QTest::newRow("59 999 ms") << 59999 << 59;
}

void TestPuzzleFirst::scoreIsWholeSeconds()
{
    QFETCH(int, milliseconds);
    QFETCH(int, score);
    FakeClock clock;
    PuzzleFirst engine(nullptr, clock.clock());
    QVERIFY(engine.movePiece(1, 0, true));
    clock.now = 7000; // counted from the start of the game, not from construction
    engine.StartGame();
    SignalLog log(engine);
    clock.now += milliseconds;
    QVERIFY(engine.moveLeft());
    QCOMPARE(engine.GetElapsedTime(), milliseconds);
    QCOMPARE(log.highscores.first(), score);
}

void TestPuzzleFirst::storedHighscoresRead_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("reads");

    QTest::newRow("7") << QVariant("7") << 7;
    QTest::newRow("9") << QVariant("9") << 9;
    QTest::newRow("0") << QVariant("0") << 0;
    QTest::newRow("int max") << QVariant("2147483647") << 2147483647;
    QTest::newRow("plus sign") << QVariant("+4") << 4;
    QTest::newRow("-1") << QVariant("-1") << -1;
    QTest::newRow("-10") << QVariant("-10") << -1;
    QTest::newRow("int min") << QVariant("-2147483648") << -1;
    QTest::newRow("beyond int") << QVariant("99999999999") << -1;
    QTest::newRow("just beyond int") << QVariant("2147483648") << -1;
    QTest::newRow("text") << QVariant("abc") << -1;
    QTest::newRow("digits then text") << QVariant("12abc") << -1;
    QTest::newRow("empty") << QVariant("") << -1;
    QTest::newRow("fraction") << QVariant("1.5") << -1;
    QTest::newRow("hex") << QVariant("0x10") << -1;
    QTest::newRow("list") << QVariant(QStringList {"1", "2"}) << -1;
}

void TestPuzzleFirst::storedHighscoresRead()
{
    QFETCH(QVariant, stored);
    QFETCH(int, reads);
    storeSetting(QStringLiteral("highscore/0"), 3);
    storeSetting(QStringLiteral("highscore/1"), stored);
    PuzzleFirst engine;
    QCOMPARE(engine.GetHighscores(), QList<int>({3, reads, -1}));
}

void TestPuzzleFirst::damagedTypedValueKeptAsText()
{
    // A typed value whose inner count asks for gigabytes, in a section the game never reads. The
    // game must neither decode it when a game is scored nor lose it: every line comes back as it
    // was, the list added at the end.
    QFile damaged(QFINDTESTDATA("data/settings-damaged-typed-value.conf"));
    QVERIFY(damaged.open(QIODevice::ReadOnly));
    const QByteArray original = damaged.readAll();
    QFile store(settingsPath());
    // Gone before the toolkit's own store, which decodes the value, reads the file again.
    const auto remove = qScopeGuard([&store] { store.remove(); });
    QVERIFY(QDir().mkpath(QFileInfo(store).path()));
    QVERIFY(store.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(store.write(original), original.size());
    store.close();

    FakeClock clock;
    {
        PuzzleFirst engine(nullptr, clock.clock());
        QCOMPARE(engine.GetDifficulty(), 2);
        QVERIFY(engine.movePiece(1, 0, true));
        engine.StartGame();
        QVERIFY(engine.moveLeft());
        QCOMPARE(engine.GetHighscores(), QList<int>({0, -1, -1}));
    }

    QVERIFY(store.open(QIODevice::ReadOnly));
    QCOMPARE(store.readAll(), original + "\n[highscore]\n0=0\n1=-1\n2=-1\n");
}

void TestPuzzleFirst::unreadableFileNeverWrittenOver_data()
{
    // What takes the place of a file that holds the difficulty 3 and the time 5, made by a shell
    // line on its path ($0), and the reason a save then gives.
    QTest::addColumn<QString>("make");
    QTest::addColumn<QString>("reason");
    const auto system = [](int error) { return QString::fromLocal8Bit(std::strerror(error)); };
    QTest::newRow("folder") << "rm \"$0\" && mkdir \"$0\"" << system(EISDIR);
    QTest::newRow("pipe") << "rm \"$0\" && mkfifo \"$0\""
                          << "it is not an ordinary file";
    QTest::newRow("device") << "ln -sf /dev/null \"$0\""
                            << "it is not an ordinary file";
    // The kernel answers a read of a process's memory at address 0 with an I/O error.
    QTest::newRow("I/O error") << "ln -sf /proc/self/mem \"$0\"" << system(EIO);
    QTest::newRow("no permission") << "chmod 000 \"$0\"" << system(EACCES);
    QTest::newRow("too large, sparse") << "truncate -s 4G \"$0\"" << system(EFBIG);
}

void TestPuzzleFirst::unreadableFileNeverWrittenOver()
{
    QFETCH(QString, make);
    QFETCH(QString, reason);
    if (make.startsWith("chmod") && ::geteuid() == 0)
        QSKIP("root reads a file whatever its mode");
    storeSetting(QStringLiteral("current/difficulty"), 3);
    storeSetting(QStringLiteral("highscore/0"), 5);
    const QString file = settingsPath();
    const auto restore = qScopeGuard([&] { QProcess::execute("rm", {"-rf", file}); });
    QCOMPARE(QProcess::execute("sh", {"-c", make, file}), 0);
    const auto state = [&file] {
        struct stat status = {};
        ::lstat(QFile::encodeName(file).constData(), &status);
        return QList<qint64> {qint64(status.st_ino), status.st_mode, status.st_size,
            status.st_mtim.tv_sec, status.st_mtim.tv_nsec};
    };
    const QList<qint64> before = state();

    FakeClock clock;
    PuzzleFirst engine(nullptr, clock.clock());
    QCOMPARE(engine.GetDifficulty(), 1);
    QVERIFY(engine.movePiece(1, 0, true));
    engine.StartGame();
    SignalLog log(engine);
    QVERIFY(engine.moveLeft());
    QCOMPARE(log.highscores, QList<int>({-1, -1, -1}));
    QCOMPARE(engine.lastSaveFailure()->fileName, file);
    QCOMPARE(engine.lastSaveFailure()->reason, reason);
    // A difficulty that could not be saved holds all the same.
    engine.ChangeDifficulty(3);
    QCOMPARE(engine.lastSaveFailure()->reason, reason);
    QCOMPARE(engine.GetDifficulty(), 3);
    QCOMPARE(state(), before);
}

void TestPuzzleFirst::foreignLinesKeptInOrder_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after"); // once a game has scored 0 s and the difficulty is 3
    QTest::newRow("comments, duplicates, stray lines")
        << QByteArray("; by hand\r\n# and more\r\n[highscore]\r\n0=40\r\nno equals\r\n0=30\r\n"
                      "[other]\r\nz=1\r\na=2\r\n[current]\r\ndifficulty = 2 \r\nmore=x\r\n")
        << QByteArray("; by hand\r\n# and more\r\n[highscore]\r\n0=40\r\nno equals\r\n0=0\r\n"
                      "1=30\n2=-1\n[other]\r\nz=1\r\na=2\r\n[current]\r\ndifficulty = 3 \r\n"
                      "more=x\r\n");
    QTest::newRow("sections added, no last line end")
        << QByteArray("[a]\nb=1")
        << QByteArray("[a]\nb=1\n\n[current]\ndifficulty=3\n\n[highscore]\n0=0\n1=-1\n2=-1\n");
}

void TestPuzzleFirst::foreignLinesKeptInOrder()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFile file(settingsPath());
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(before), before.size());
    file.close();

    FakeClock clock;
    PuzzleFirst engine(nullptr, clock.clock());
    QVERIFY(engine.movePiece(1, 0, true));
    engine.StartGame();
    QVERIFY(engine.moveLeft());
    engine.ChangeDifficulty(3);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), after);
    // Still a file that the toolkit's own store reads.
    QCOMPARE(storedSetting(QStringLiteral("current/difficulty")).toString(), "3");
    QCOMPARE(storedSetting(QStringLiteral("highscore/0")).toString(), "0");
}

void TestPuzzleFirst::changeWithinTheSameSecondSeen()
{
    // File systems that keep whole seconds: two versions of one size alike in all but their text.
    PuzzleFirst engine;
    QFile file(settingsPath());
    const QDateTime second = QDateTime::fromSecsSinceEpoch(1700000000);
    for (const char *difficulty : {"2", "3"}) {
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QVERIFY(file.write(QByteArray("[current]\ndifficulty=") + difficulty) > 0 && file.flush());
        QVERIFY(file.setFileTime(second, QFileDevice::FileModificationTime));
        file.close();
        QCOMPARE(engine.GetDifficulty(), QByteArray(difficulty).toInt());
    }
}

void TestPuzzleFirst::resetShufflesByDifficulty_data()
{
    QTest::addColumn<QVariant>("difficulty");
    QTest::addColumn<int>("moves");

    QTest::newRow("easy") << QVariant(1) << 3;
    QTest::newRow("average") << QVariant(2) << 20;
    QTest::newRow("hard") << QVariant(3) << 50;
    QTest::newRow("0: no shuffle") << QVariant(0) << 0;
    QTest::newRow("7: no shuffle") << QVariant(7) << 0;
    QTest::newRow("-5: no shuffle") << QVariant(-5) << 0;
    QTest::newRow("int min: no shuffle") << QVariant("-2147483648") << 0;
    QTest::newRow("int max: no shuffle") << QVariant("2147483647") << 0;
    QTest::newRow("corrupted: easy") << QVariant("x") << 3;
}

void TestPuzzleFirst::resetShufflesByDifficulty()
{
    QFETCH(QVariant, difficulty);
    QFETCH(int, moves);
    storeSetting(QStringLiteral("current/difficulty"), difficulty);

    // Several resets, so that more than one draw sequence is seen.
    for (int round = 0; round < 5; ++round) {
        FakeClock clock;
        PuzzleFirst engine(nullptr, clock.clock());
        SignalLog log(engine);
        clock.now = 5000;
        engine.ResetGame();

        QCOMPARE(log.events.count("BoardPictureChanged"), 1);
        QCOMPARE(log.events.first(), QString("BoardPictureChanged"));
        QCOMPARE(log.events.count("BoardChanged"), moves);
        QCOMPARE(log.events.size(), moves + 1);
        QCOMPARE(engine.GetElapsedTime(), 0);

        // Every move takes the empty square one step, so its distance from the top-left
        // corner has the parity of the number of moves: after 3 the puzzle is never solved.
        QCOMPARE(manhattanFromGoal(engine.FindEmptyPiece()) % 2, moves % 2);
        if (moves == 0)
            QCOMPARE(gridIds(engine), GoalIds);
        if (moves % 2 == 1)
            QVERIFY(gridIds(engine) != GoalIds);

        // The game runs: a move that is next to the empty square is taken.
        const QPoint empty = engine.FindEmptyPiece();
        QVERIFY(engine.movePiece(empty.x() == 0 ? 1 : empty.x() - 1, empty.y()));
    }
}

void TestPuzzleFirst::resetsDealFreshUnsolvedBoards_data()
{
    QTest::addColumn<int>("difficulty");
    QTest::addColumn<int>("moves");
    QTest::addColumn<double>("minMeanDistance");
    QTest::addColumn<int>("minDistinct"); // different boards among the resets

    // Moves that never undo the one before cannot come back within three, so easy is always
    // exactly three moves from solved, on one of eight boards. A fair shuffle ends on
    // average about 17.3 (sd 3.1) and 21.6 (sd 3.5) moves from solved; one that can undo its
    // moves about 9.2 (sd 3.9) and 16.7 (sd 4.9). Over the resets below each bound lies more
    // than ten standard errors from either.
    QTest::newRow("easy") << 1 << 3 << 3.0 << 6;
    QTest::newRow("average") << 2 << 20 << 14.0 << 250;
    QTest::newRow("hard") << 3 << 50 << 19.5 << 250;
}

void TestPuzzleFirst::resetsDealFreshUnsolvedBoards()
{
    QFETCH(int, difficulty);
    QFETCH(int, moves);
    QFETCH(double, minMeanDistance);
    QFETCH(int, minDistinct);
    const auto &distances = distancesToGoal();
    QCOMPARE(distances.size(), size_t(181440));

    storeSetting(QStringLiteral("current/difficulty"), difficulty);
    PuzzleFirst engine;
    QSignalSpy rebuilt(&engine, &PuzzleFirst::BoardPictureChanged);
    QSignalSpy moved(&engine, &PuzzleFirst::BoardChanged);

    // Back to back, so that most resets fall within the same second.
    const int resets = 300;
    QSet<quint64> boards;
    int total = 0;
    for (int round = 0; round < resets; ++round) {
        rebuilt.clear();
        moved.clear();
        engine.ResetGame();
        QCOMPARE(rebuilt.count(), 1);
        QCOMPARE(moved.count(), moves);

        const quint64 board = boardKey(gridIds(engine));
        const int distance = distances.at(board).distance;
        QVERIFY2(distance > 0, "a game started solved");
        QVERIFY(distance <= moves);
        if (difficulty == PuzzleFirst::EASY)
            QCOMPARE(distance, moves);
        total += distance;
        boards.insert(board);
    }
    const double mean = double(total) / resets;
    QVERIFY2(mean >= minMeanDistance, qPrintable(QStringLiteral("mean distance %1").arg(mean)));
    QVERIFY2(
        boards.size() >= minDistinct, qPrintable(QStringLiteral("%1 boards").arg(boards.size())));
}

void TestPuzzleFirst::lastShuffleMoveNeverSolves_data()
{
    QTest::addColumn<QPoint>("tile"); // moved first by force, one move from solved
    QTest::newRow("empty square right of its corner") << QPoint(1, 0);
    QTest::newRow("empty square below its corner") << QPoint(0, 1);
}

void TestPuzzleFirst::lastShuffleMoveNeverSolves()
{
    QFETCH(QPoint, tile);
    PuzzleFirst engine;
    QSignalSpy moved(&engine, &PuzzleFirst::BoardChanged);
    // One of the three moves solves; each try would hit it by chance one time in three.
    for (int round = 0; round < 100; ++round) {
        engine.ChangeModel();
        QVERIFY(engine.movePiece(tile.x(), tile.y(), true));
        moved.clear();
        engine.Shuffle(1);
        QCOMPARE(moved.count(), 1);
        QVERIFY(gridIds(engine) != GoalIds);
    }
}

void TestPuzzleFirst::defaultPictureFollowsTheRatio_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QString>("choice"); // "own": a default.png in the working directory
    QTest::addColumn<int>("expected"); // 0 to 2: the version at 1 to 3 pixels a unit; 3: own
    QTest::newRow("ratio 1") << 1.0 << QString() << 0;
    QTest::newRow("ratio 2") << 2.0 << QString() << 1;
    QTest::newRow("ratio 2.5") << 2.5 << QString() << 2;
    QTest::newRow("ratio 4") << 4.0 << QString() << 2;
    QTest::newRow("player's own") << 2.0 << QStringLiteral("own") << 3;
    QTest::newRow("loaded") << 2.0 << QStringLiteral("loaded") << 0;
}

void TestPuzzleFirst::defaultPictureFollowsTheRatio()
{
    QFETCH(qreal, ratio);
    QFETCH(QString, choice);
    QFETCH(int, expected);

    // The game's versions in the data folder and a player's own, each in a colour of its own.
    const QString data =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/plivora/";
    const QStringList files {
        data + "default.png", data + "default@2x.png", data + "default@3x.png", "default.png"};
    const QList<QColor> colours {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    const auto remove = qScopeGuard([&] {
        QDir(data).removeRecursively();
        QFile::remove(files.last());
    });
    QVERIFY(QDir().mkpath(data));
    for (int i = 0; i < (choice == QLatin1String("own") ? 4 : 3); ++i) {
        QImage picture(150 * (i % 3 + 1), 150 * (i % 3 + 1), QImage::Format_RGB32);
        picture.fill(colours.at(i));
        QVERIFY(picture.save(files.at(i)));
    }

    PuzzleFirst engine;
    engine.setDevicePixelRatio(ratio);
    if (choice == QLatin1String("loaded"))
        engine.LoadImage(files.first());
    engine.ResetGame();
    QCOMPARE(describeTiles(engine).section(' ', 1, 1), colours.at(expected).name());
}

void TestPuzzleFirst::newGameTriggers_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("storedDifficulty");
    QTest::addColumn<int>("moves");
    QTest::addColumn<bool>("pictureTiles");

    QTest::newRow("difficulty 2") << "difficulty 2" << 2 << 20 << false;
    QTest::newRow("difficulty 3") << "difficulty 3" << 3 << 50 << false;
    QTest::newRow("difficulty 0") << "difficulty 0" << 0 << 0 << false;
    QTest::newRow("same difficulty") << "difficulty 1" << 1 << 3 << false;
    QTest::newRow("picture") << "picture" << 1 << 3 << true;
    QTest::newRow("empty picture name") << "no picture" << 1 << 3 << false;
    QTest::newRow("missing picture") << "missing picture" << 1 << 3 << false;
    QTest::newRow("same picture name") << "default picture" << 1 << 3 << false;
}

void TestPuzzleFirst::newGameTriggers()
{
    QFETCH(QString, action);
    QFETCH(int, storedDifficulty);
    QFETCH(int, moves);
    QFETCH(bool, pictureTiles);

    const QString picture = workDir.filePath(QStringLiteral("regions.png"));
    QVERIFY(writeRegionPicture(picture, QSize(150, 150)));

    PuzzleFirst engine;
    QCOMPARE(engine.GetDifficulty(), 1);
    SignalLog log(engine);
    if (action.startsWith("difficulty"))
        engine.ChangeDifficulty(action.section(' ', 1).toInt());
    else if (action == "picture")
        engine.LoadImage(picture);
    else if (action == "no picture")
        engine.LoadImage(QString());
    else if (action == "missing picture")
        engine.LoadImage(workDir.filePath(QStringLiteral("missing.png")));
    else
        engine.LoadImage(QStringLiteral("default.png"));

    QCOMPARE(storedSetting(QStringLiteral("current/difficulty")).toInt(), storedDifficulty);
    QCOMPARE(engine.GetDifficulty(), storedDifficulty);
    QCOMPARE(log.events.count("BoardPictureChanged"), 1);
    QCOMPARE(log.events.count("BoardChanged"), moves);
    for (int x = 0; x < 3; ++x) {
        for (int y = 0; y < 3; ++y) {
            QGraphicsItem *item = engine.getPieceAt(x, y)->getItem();
            QCOMPARE(item->type(),
                pictureTiles ? int(QGraphicsPixmapItem::Type) : int(QGraphicsItemGroup::Type));
        }
    }
}

void TestPuzzleFirst::resetDropsRunningGameUnscored()
{
    PuzzleFirst engine;
    engine.ResetGame();
    SignalLog log(engine);
    engine.ResetGame();
    QVERIFY(!log.events.contains("PuzzleSolved"));
    QVERIFY(!log.events.contains("NewHighScore"));
    QCOMPARE(engine.GetHighscores(), QList<int>({-1, -1, -1}));
    QVERIFY(!storedSetting(QStringLiteral("highscore/0")).isValid());
}

void TestPuzzleFirst::clockBeforeAndAfterGames()
{
    FakeClock clock;
    clock.now = 1000;
    PuzzleFirst engine(nullptr, clock.clock());
    QCOMPARE(engine.GetElapsedTime(), 0);
    clock.now = 1030;
    QCOMPARE(engine.GetElapsedTime(), 0);

    engine.StartGame();
    clock.now = 1070;
    QCOMPARE(engine.GetElapsedTime(), 40);
    engine.StopGame();
    QCOMPARE(engine.GetElapsedTime(), 40);
    clock.now = 1100;
    QCOMPARE(engine.GetElapsedTime(), 40);

    // A second stop reads the clock again, which has not stopped.
    engine.StopGame();
    QCOMPARE(engine.GetElapsedTime(), 70);

    engine.StartGame();
    QCOMPARE(engine.GetElapsedTime(), 0);
    clock.now = 1105;
    QCOMPARE(engine.GetElapsedTime(), 5);
}

void TestPuzzleFirst::realClockCountsMilliseconds()
{
    // The engine's own clock against stopwatches started before it is read: a busy machine only
    // makes the wait longer and both readings larger. The engine's time is the difference of two
    // whole-millisecond readings, so it may exceed the stopwatch's by one.
    PuzzleFirst engine;
    QElapsedTimer sinceStart;
    sinceStart.start();
    engine.StartGame();
    QTRY_VERIFY_WITH_TIMEOUT(engine.GetElapsedTime() >= 50, 60000);
    const int running = engine.GetElapsedTime();
    QVERIFY(running <= sinceStart.elapsed() + 1);

    QElapsedTimer sinceRestart;
    sinceRestart.start();
    engine.StartGame();
    const int restarted = engine.GetElapsedTime();
    QVERIFY(restarted <= sinceRestart.elapsed() + 1);
}

void TestPuzzleFirst::twoProcessesKeepBothTimes_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<bool>("atOnce");
    QTest::addColumn<QList<int>>("highscores");
    QTest::newRow("one each, in turn")
        << QByteArray("solve 1100") << QByteArray("solve 0") << false << QList<int> {0, 1, -1};
    // 400 s down to 2 s, and 399 s down to 1 s: every game betters the list.
    QTest::newRow("200 each, at once")
        << QByteArray("solve 400000 200 -2000") << QByteArray("solve 399000 200 -2000") << true
        << QList<int> {1, 2, 3};
}

void TestPuzzleFirst::twoProcessesKeepBothTimes()
{
    PLIVORA_SYSTEM_TEST();
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(bool, atOnce);
    QFETCH(QList<int>, highscores);
    const QString player = testPlayer();
    QVERIFY2(QFileInfo(player).isExecutable(), qPrintable(player));

    Watchdog watchdog(120000, "two game processes");
    QProcess players[2];
    for (QProcess &process : players) {
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(player, QStringList());
        QVERIFY(process.waitForStarted());
    }
    // Both have read the store before either scores.
    for (QProcess &process : players) {
        while (!process.canReadLine())
            QVERIFY(process.waitForReadyRead(60000));
        QCOMPARE(process.readLine().trimmed(), QByteArray("ready"));
    }

    const QByteArray commands[2] = {first, second};
    for (int i = 0; i < 2; ++i) {
        players[i].write(commands[i] + '\n');
        if (!atOnce)
            QVERIFY(players[i].waitForFinished(60000));
    }
    for (QProcess &process : players) {
        QVERIFY(process.state() == QProcess::NotRunning || process.waitForFinished(60000));
        QVERIFY(process.readAll().startsWith("solved "));
    }
    QCOMPARE(storedHighscores(), highscores);
}

PLIVORA_TEST_MAIN(TestPuzzleFirst)
#include "tst_puzzlefirst.moc"
