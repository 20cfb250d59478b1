// SPDX-License-Identifier: GPL-3.0-or-later
#include "board.h"

#include "puzzlefirst.h"
#include "puzzlepiece.h"

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QMouseEvent>

namespace {

constexpr int TickMilliseconds = 10;

} // namespace

Board::Board(PuzzleFirst *newengine, QWidget *parent) : QGraphicsView(parent), timer(nullptr)
{
    setBackgroundBrush(QBrush(Qt::white, Qt::SolidPattern));
    scene = new QGraphicsScene(nullptr);
    setScene(scene);
    engine = newengine;
    timer.setInterval(TickMilliseconds);
    ReloadBoard();

    connect(&timer, &QTimer::timeout, this, &Board::DoTick);
}

Board::~Board()
{
    timer.stop();
    // The tile items of the engine's current set stay the engine's: take them out of the scene
    // so that deleting the scene does not delete what the engine still holds. Without an engine
    // they are the scene's alone.
    for (const PuzzlePiece *piece : gridPieces()) {
        if (piece->getItem()->scene() == scene)
            scene->removeItem(piece->getItem());
    }
    delete scene;
}

PuzzleFirst *Board::getEngine() const
{
    return engine;
}

QList<PuzzlePiece *> Board::gridPieces() const
{
    QList<PuzzlePiece *> pieces;
    if (!engine)
        return pieces;
    pieces.reserve(PuzzleFirst::ROWS * PuzzleFirst::COLS);
    for (int y = 0; y < PuzzleFirst::ROWS; ++y) {
        for (int x = 0; x < PuzzleFirst::COLS; ++x)
            pieces.append(engine->getPieceAt(x, y));
    }
    return pieces;
}

QSize Board::tileSize() const
{
    if (!engine)
        return QSize();
    const QRectF tile = engine->getPieceAt(0, 0)->getItem()->boundingRect();
    return QSize(int(tile.width()), int(tile.height()));
}

void Board::UpdateBoard()
{
    const QSize tile = tileSize();
    const QList<PuzzlePiece *> pieces = gridPieces();
    bool away = false;
    for (int cell = 0; cell < pieces.size(); ++cell) {
        QGraphicsItem *item = pieces.at(cell)->getItem();
        const QPoint target(
            cell % PuzzleFirst::COLS * tile.width(), cell / PuzzleFirst::COLS * tile.height());
        item->setData(PuzzleFirst::TARGET_X_KEY, target.x());
        item->setData(PuzzleFirst::TARGET_Y_KEY, target.y());
        away = away || item->pos() != target;
    }
    // Started only when something is to move, and not restarted while running, so that the
    // many moves of a shuffle do not push the next tick back.
    if (away && !timer.isActive())
        timer.start();
}

void Board::ReloadBoard()
{
    // clear() deletes what the scene holds, which must be the previous set only: items of the
    // current set already in the scene are taken out first and put back below.
    const QList<PuzzlePiece *> pieces = gridPieces();
    for (const PuzzlePiece *piece : pieces) {
        if (piece->getItem()->scene() == scene)
            scene->removeItem(piece->getItem());
    }
    scene->clear();
    if (!engine)
        return;

    for (const PuzzlePiece *piece : pieces) {
        if (piece->getId() != 0)
            scene->addItem(piece->getItem());
    }
    UpdateBoard();
}

void Board::DoTick()
{
    bool away = false;
    for (const PuzzlePiece *piece : gridPieces()) {
        QGraphicsItem *item = piece->getItem();
        const int tx = item->data(PuzzleFirst::TARGET_X_KEY).toInt();
        const int ty = item->data(PuzzleFirst::TARGET_Y_KEY).toInt();

        QPointF pos = item->pos();
        if (pos.x() < tx)
            item->setPos(pos.x() + 1, pos.y());
        else if (pos.x() > tx)
            item->setPos(pos.x() - 1, pos.y());

        pos = item->pos();
        if (pos.y() < ty)
            item->setPos(pos.x(), pos.y() + 1);
        else if (pos.y() > ty)
            item->setPos(pos.x(), pos.y() - 1);

        away = away || item->pos() != QPointF(tx, ty);
    }
    // At rest nothing wakes the thread until the next move or set of tiles.
    if (!away)
        timer.stop();
}

void Board::mouseReleaseEvent(QMouseEvent *event)
{
    QGraphicsItem *item = itemAt(event->position().toPoint());
    if (!item)
        return;
    // A numbered tile is a group, and the toolkit reports its number or its outline as the item
    // under the cursor; the tile item with the grid position is the top-level one.
    item = item->topLevelItem();
    const QVariant x = item->data(PuzzleFirst::GRID_X_KEY);
    const QVariant y = item->data(PuzzleFirst::GRID_Y_KEY);
    if (!x.isValid() || !y.isValid())
        return;
    emit Clicked(x.toInt(), y.toInt());
}
