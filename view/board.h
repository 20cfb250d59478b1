// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BOARD_H
#define BOARD_H

#include <QGraphicsView>
#include <QList>
#include <QPointer>
#include <QSize>
#include <QTimer>

class PuzzleFirst;
class PuzzlePiece;
class QGraphicsScene;
class QMouseEvent;

// Shows the engine's tiles on white, slides each tile one unit per axis every 10 ms towards the
// target stored in its item data, and reports a click on a tile as the tile's grid position.
// The animation timer runs only while some tile is away from its target.
// A tap on a touch screen counts as a click: no tile item takes touch events, so the toolkit
// turns the touch into the mouse press and release that the click handling reads.
class Board : public QGraphicsView
{
    Q_OBJECT

public:
    // Fills the scene from the engine's grid at once.
    explicit Board(PuzzleFirst *newengine, QWidget *parent = nullptr);
    ~Board() override;

    // The engine whose grid is shown; null once the engine is gone.
    PuzzleFirst *getEngine() const;

signals:
    void Clicked(int x, int y);

public slots:
    // Stores every tile item's target (item data 3 and 4) from the current grid, and starts the
    // animation when a tile is away from its target.
    void UpdateBoard();
    // Replaces the scene's items by the non-empty tile items of the current grid.
    void ReloadBoard();
    // One animation step; stops the animation once every tile is on its target.
    void DoTick();

    // The size of one tile in scene units, as the tile item at grid (0, 0) measures; all tiles of
    // a set measure the same. Empty without an engine.
    QSize tileSize() const;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // The pieces of the engine's grid, the empty square's too, row by row from the top left, so
    // that the piece at column x, row y is number x + COLS * y; none without an engine.
    QList<PuzzlePiece *> gridPieces() const;

    QGraphicsScene *scene;
    // Guarded: the window deletes the engine before the board view is destroyed.
    QPointer<PuzzleFirst> engine;
    QTimer timer;
};

#endif // BOARD_H
