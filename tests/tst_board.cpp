// SPDX-License-Identifier: GPL-3.0-or-later
#include "board.h"
#include "puzzlefirst.h"
#include "puzzlepiece.h"
#include "testsupport.h"

#include <QGraphicsItemGroup>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

using namespace TestSupport;

namespace {

// The connections the main window makes between the engine and the board view.
void wire(PuzzleFirst &engine, Board &board)
{
    QVERIFY(QObject::connect(&engine, SIGNAL(BoardChanged()), &board, SLOT(UpdateBoard())));
    QVERIFY(QObject::connect(&engine, SIGNAL(BoardPictureChanged()), &board, SLOT(ReloadBoard())));
    QVERIFY(
        QObject::connect(&board, SIGNAL(Clicked(int, int)), &engine, SLOT(movePiece(int, int))));
}

QGraphicsItem *itemAt(const PuzzleFirst &engine, int x, int y)
{
    return engine.getPieceAt(x, y)->getItem();
}

// Wires the view to the engine as the window does, and shows it large enough for the board.
bool showWired(PuzzleFirst &engine, Board &board)
{
    wire(engine, board);
    board.resize(400, 400);
    board.show();
    return !QTest::currentTestFailed() && QTest::qWaitForWindowExposed(&board);
}

QPoint viewportPoint(const Board &board, const QPointF &scenePoint)
{
    return board.mapFromScene(scenePoint);
}

} // namespace

class TestBoard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void showsEightTilesAtRest();
    void pictureTilesSpreadFromTheCorner();
    void oneMoveTakesFiftyTicks();
    void updateBoardTargetsEveryTile();
    void animationSleepsAtRest_data();
    void animationSleepsAtRest();
    void clicks_data();
    void clicks();
    void clickOnSlidingTileGivesItsNewPlace();
    void reloadReplacesTheSet();
    void manyGamesAndEitherDestructionOrder_data();
    void manyGamesAndEitherDestructionOrder();
    void solveShuffledGameByMouse();
    void touchTaps_data();
    void touchTaps();

private:
    QString picture() const { return workDir.filePath(QStringLiteral("regions.png")); }
    QTemporaryDir workDir;
};

void TestBoard::initTestCase()
{
    QVERIFY(workDir.isValid());
    QVERIFY(QDir::setCurrent(workDir.path()));
    QVERIFY(writeRegionPicture(picture(), QSize(150, 150)));
}

void TestBoard::init()
{
    clearSettings();
    QFile::remove(workDir.filePath(QStringLiteral("default.png")));
}

void TestBoard::showsEightTilesAtRest()
{
    PuzzleFirst engine;
    Board board(&engine);
    QCOMPARE(board.backgroundBrush(), QBrush(Qt::white, Qt::SolidPattern));

    const QList<QGraphicsItem *> shown = sceneTiles(board);
    QCOMPARE(shown.size(), 8);
    QVERIFY(!shown.contains(itemAt(engine, 0, 0)));
    QCOMPARE(itemAt(engine, 0, 0)->scene(), nullptr);
    for (int x = 0; x < 3; ++x) {
        for (int y = 0; y < 3; ++y) {
            QGraphicsItem *item = itemAt(engine, x, y);
            QCOMPARE(item->type(), int(QGraphicsItemGroup::Type));
            QCOMPARE(item->data(3).toInt(), x * 50);
            QCOMPARE(item->data(4).toInt(), y * 50);
            QCOMPARE(item->pos(), QPointF(x * 50, y * 50));
        }
    }
    for (int tick = 0; tick < 10; ++tick)
        board.DoTick();
    for (int x = 0; x < 3; ++x) {
        for (int y = 0; y < 3; ++y)
            QCOMPARE(itemAt(engine, x, y)->pos(), QPointF(x * 50, y * 50));
    }
}

void TestBoard::pictureTilesSpreadFromTheCorner()
{
    storeSetting(QStringLiteral("current/difficulty"), 0); // no shuffle
    PuzzleFirst engine;
    Board board(&engine);
    wire(engine, board);
    engine.LoadImage(picture());

    QCOMPARE(sceneTiles(board).size(), 8);
    for (QGraphicsItem *item : sceneTiles(board)) {
        QCOMPARE(item->type(), int(QGraphicsPixmapItem::Type));
        QCOMPARE(item->pos(), QPointF(0, 0));
    }

    // (100, 50): diagonally to (50, 50), then straight on; (50, 100) the same way down.
    QGraphicsItem *right = itemAt(engine, 2, 1);
    QGraphicsItem *down = itemAt(engine, 1, 2);
    for (int tick = 1; tick <= 100; ++tick) {
        board.DoTick();
        const int diagonal = qMin(tick, 50);
        QCOMPARE(right->pos(), QPointF(tick, diagonal));
        QCOMPARE(down->pos(), QPointF(diagonal, tick));
    }
    board.DoTick();
    QCOMPARE(right->pos(), QPointF(100, 50));
    QCOMPARE(down->pos(), QPointF(50, 100));
}

void TestBoard::oneMoveTakesFiftyTicks()
{
    PuzzleFirst engine;
    Board board(&engine);
    wire(engine, board);
    engine.StartGame();

    QGraphicsItem *tile = itemAt(engine, 0, 1);
    QVERIFY(engine.moveDown()); // the tile below the empty square slides up
    QCOMPARE(tile->data(3).toInt(), 0);
    QCOMPARE(tile->data(4).toInt(), 0);
    for (int tick = 1; tick <= 50; ++tick) {
        board.DoTick();
        QCOMPARE(tile->pos(), QPointF(0, 50 - tick));
    }
    board.DoTick();
    QCOMPARE(tile->pos(), QPointF(0, 0));
}

void TestBoard::updateBoardTargetsEveryTile()
{
    PuzzleFirst engine;
    Board board(&engine);
    wire(engine, board);
    engine.ChangeDifficulty(3);

    for (int x = 0; x < 3; ++x) {
        for (int y = 0; y < 3; ++y) {
            QGraphicsItem *item = itemAt(engine, x, y);
            QCOMPARE(item->data(3).toInt(), x * 50);
            QCOMPARE(item->data(4).toInt(), y * 50);
        }
    }
}

void TestBoard::animationSleepsAtRest_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("built at rest") << QString();
    QTest::newRow("a move") << QStringLiteral("move");
    QTest::newRow("a new picture") << QStringLiteral("picture");
}

void TestBoard::animationSleepsAtRest()
{
    QFETCH(QString, change);
    storeSetting(QStringLiteral("current/difficulty"), 0); // no shuffle
    PuzzleFirst engine;
    Board board(&engine);
    wire(engine, board);
    engine.StartGame();
    if (change == QLatin1String("move"))
        QVERIFY(engine.moveRight());
    else if (change == QLatin1String("picture"))
        engine.LoadImage(picture());

    // The event loop moves the tiles on; once they are home the timer sleeps, and a tile pushed
    // off its place stays there until the next UpdateBoard().
    const auto positions = [&engine] {
        QList<QPointF> all;
        for (int i = 0; i < 9; ++i)
            all.append(itemAt(engine, i % 3, i / 3)->pos());
        return all;
    };
    const QList<QPointF> start = positions();
    if (!change.isEmpty())
        PLIVORA_TRY_VERIFY(positions() != start, 30000);
    settle(board);
    QGraphicsItem *tile = itemAt(engine, 2, 2);
    tile->setPos(tile->pos() + QPointF(3, 0));
    // Timers fire in the order they fall due: one of five animation steps after any step.
    QTimer later;
    QSignalSpy fired(&later, &QTimer::timeout);
    later.start(50);
    QVERIFY(fired.wait(30000));
    QCOMPARE(tile->pos(), QPointF(103, 100));
    board.UpdateBoard();
    PLIVORA_TRY_COMPARE(tile->pos(), QPointF(100, 100), 30000);
}

void TestBoard::clicks_data()
{
    QTest::addColumn<bool>("pictures");
    QTest::addColumn<QPointF>("scenePoint");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("expected"); // (-1, -1): no click reported

    // Numbered tile "5" sits at grid (2, 1), scene (100, 50); its number starts 15 units in.
    QTest::newRow("number, left") << false << QPointF(117, 58) << Qt::LeftButton << QPoint(2, 1);
    QTest::newRow("outline, left") << false << QPointF(102, 97) << Qt::LeftButton << QPoint(2, 1);
    QTest::newRow("number, right") << false << QPointF(67, 117) << Qt::RightButton << QPoint(1, 2);
    QTest::newRow("inside, middle")
        << false << QPointF(40, 140) << Qt::MiddleButton << QPoint(0, 2);
    QTest::newRow("picture tile") << true << QPointF(125, 125) << Qt::LeftButton << QPoint(2, 2);
    QTest::newRow("empty square") << false << QPointF(25, 25) << Qt::LeftButton << QPoint(-1, -1);
    QTest::newRow("empty square, pictures")
        << true << QPointF(10, 40) << Qt::LeftButton << QPoint(-1, -1);
    QTest::newRow("background") << false << QPointF(-60, 200) << Qt::LeftButton << QPoint(-1, -1);
}

void TestBoard::clicks()
{
    QFETCH(bool, pictures);
    QFETCH(QPointF, scenePoint);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, expected);

    if (pictures)
        QVERIFY(
            writeRegionPicture(workDir.filePath(QStringLiteral("default.png")), QSize(300, 300)));
    PuzzleFirst engine;
    Board board(&engine);
    board.resize(400, 400);
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    settle(board);

    QSignalSpy clicked(&board, &Board::Clicked);
    QTest::mouseRelease(board.viewport(), button, Qt::NoModifier, viewportPoint(board, scenePoint));
    if (expected == QPoint(-1, -1)) {
        QCOMPARE(clicked.count(), 0);
    } else {
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first().at(0).toInt(), expected.x());
        QCOMPARE(clicked.first().at(1).toInt(), expected.y());
    }
}

void TestBoard::clickOnSlidingTileGivesItsNewPlace()
{
    PuzzleFirst engine;
    Board board(&engine);
    QVERIFY(showWired(engine, board));
    engine.StartGame();

    QGraphicsItem *tile = itemAt(engine, 1, 0);
    QVERIFY(engine.moveRight()); // tile "1" slides left into (0, 0)
    for (int tick = 0; tick < 10; ++tick)
        board.DoTick();
    QVERIFY(tile->pos().x() > 0.0);

    QSignalSpy clicked(&board, &Board::Clicked);
    const QPointF onTile = tile->mapToScene(QPointF(30, 30));
    QTest::mouseRelease(
        board.viewport(), Qt::LeftButton, Qt::NoModifier, viewportPoint(board, onTile));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first().at(0).toInt(), 0);
    QCOMPARE(clicked.first().at(1).toInt(), 0);
}

void TestBoard::reloadReplacesTheSet()
{
    PuzzleFirst engine;
    Board board(&engine);
    wire(engine, board);

    for (int round = 0; round < 3; ++round) {
        engine.ResetGame();
        QList<QGraphicsItem *> current;
        for (int x = 0; x < 3; ++x) {
            for (int y = 0; y < 3; ++y) {
                if (engine.getPieceAt(x, y)->getId() != 0)
                    current.append(itemAt(engine, x, y));
            }
        }
        QList<QGraphicsItem *> shown = sceneTiles(board);
        std::sort(shown.begin(), shown.end());
        std::sort(current.begin(), current.end());
        QCOMPARE(shown, current);
    }

    // A second reload of the same set keeps the engine's items alive and shown.
    board.ReloadBoard();
    QCOMPARE(sceneTiles(board).size(), 8);
    for (int x = 0; x < 3; ++x) {
        for (int y = 0; y < 3; ++y) {
            const PuzzlePiece *piece = engine.getPieceAt(x, y);
            QCOMPARE(piece->getItem()->scene() != nullptr, piece->getId() != 0);
        }
    }
}

void TestBoard::manyGamesAndEitherDestructionOrder_data()
{
    QTest::addColumn<bool>("engineFirst");
    QTest::newRow("engine destroyed first") << true;
    QTest::newRow("board view destroyed first") << false;
}

void TestBoard::manyGamesAndEitherDestructionOrder()
{
    // Leaks and use after free show in the sanitizer run.
    QFETCH(bool, engineFirst);
    auto *engine = new PuzzleFirst;
    auto *board = new Board(engine);
    wire(*engine, *board);
    for (int game = 0; game < 40; ++game) {
        if (game % 3 == 0)
            engine->LoadImage(game % 2 ? picture() : QString());
        else
            engine->ResetGame();
        for (int tick = 0; tick < 5; ++tick)
            board->DoTick();
        QCOMPARE(sceneTiles(*board).size(), 8);
    }

    if (engineFirst) {
        delete engine;
        // The board view outlives its engine: its tiles are its scene's alone now.
        QCOMPARE(sceneTiles(*board).size(), 8);
        board->DoTick();
        board->UpdateBoard();
        delete board;
    } else {
        QGraphicsItem *empty = itemAt(*engine, 0, 0);
        delete board;
        // The engine's tiles survive the board view and go with the engine.
        for (int x = 0; x < 3; ++x) {
            for (int y = 0; y < 3; ++y)
                QCOMPARE(itemAt(*engine, x, y)->scene(), nullptr);
        }
        QVERIFY(empty->data(1).isValid());
        engine->ResetGame();
        delete engine;
    }
}

void TestBoard::solveShuffledGameByMouse()
{
    storeSetting(QStringLiteral("current/difficulty"), 2);
    QVERIFY(writeRegionPicture(workDir.filePath(QStringLiteral("default.png")), QSize(300, 300)));

    PuzzleFirst engine;
    Board board(&engine);
    QVERIFY(showWired(engine, board));
    QSignalSpy solved(&engine, &PuzzleFirst::PuzzleSolved);
    QSignalSpy scored(&engine, &PuzzleFirst::NewHighScore);

    engine.ResetGame();
    QCOMPARE(engine.getPieceAt(1, 1)->getItem()->type(), int(QGraphicsPixmapItem::Type));
    solveByMouse(board, engine);

    QCOMPARE(solved.count(), 1);
    QCOMPARE(scored.count(), 1);
    QCOMPARE(gridIds(engine), QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8}));
    const int seconds = engine.GetElapsedTime() / 1000;
    QCOMPARE(storedSetting(QStringLiteral("highscore/0")).toInt(), seconds);
    QCOMPARE(storedSetting(QStringLiteral("highscore/1")).toInt(), -1);
    QCOMPARE(engine.GetHighscores().first(), seconds);
}

void TestBoard::touchTaps_data()
{
    QTest::addColumn<bool>("pictures");
    QTest::addColumn<QList<QPoint>>("taps"); // grid cells, tapped one after the other
    QTest::addColumn<QList<int>>("ids"); // the grid afterwards

    const QList<int> goal = {0, 1, 2, 3, 4, 5, 6, 7, 8};
    QTest::newRow("numbered tile")
        << false << QList<QPoint> {{1, 0}} << QList<int> {1, 0, 2, 3, 4, 5, 6, 7, 8};
    QTest::newRow("picture tile") << true << QList<QPoint> {{0, 1}}
                                  << QList<int> {3, 1, 2, 0, 4, 5, 6, 7, 8};
    QTest::newRow("two quick taps")
        << false << QList<QPoint> {{1, 0}, {1, 1}} << QList<int> {1, 4, 2, 3, 0, 5, 6, 7, 8};
    QTest::newRow("tile away from the empty square") << true << QList<QPoint> {{2, 2}} << goal;
    QTest::newRow("empty square") << false << QList<QPoint> {{0, 0}} << goal;
}

void TestBoard::touchTaps()
{
    QFETCH(bool, pictures);
    QFETCH(QList<QPoint>, taps);
    QFETCH(QList<int>, ids);

    storeSetting(QStringLiteral("current/difficulty"), 0); // a running game in the goal order
    if (pictures)
        QVERIFY(
            writeRegionPicture(workDir.filePath(QStringLiteral("default.png")), QSize(300, 300)));
    PuzzleFirst engine;
    Board board(&engine);
    QVERIFY(showWired(engine, board));
    engine.ResetGame();
    settle(board);
    // The view follows the scene's grown extent once events are processed.
    QCoreApplication::processEvents();

    for (const QPoint &cell : taps) {
        const QPoint at = viewportPoint(board, QPointF(cell * 50) + QPointF(25, 25));
        QTest::touchEvent(board.viewport(), touchScreen()).press(0, at);
        QTest::touchEvent(board.viewport(), touchScreen()).release(0, at);
    }
    QCOMPARE(gridIds(engine), ids);
}

PLIVORA_TEST_MAIN(TestBoard)
#include "tst_board.moc"
