// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardcellaccessible.h"

#include "board.h"
#include "puzzlefirst.h"
#include "puzzlepiece.h"

#include <QCoreApplication>

BoardCellAccessible::BoardCellAccessible(Board *board, int x, int y) : board(board), x(x), y(y) { }

QString BoardCellAccessible::name() const
{
    const PuzzleFirst *engine = board ? board->getEngine() : nullptr;
    if (!engine)
        return QString();
    const int id = engine->getPieceAt(x, y)->getId();
    if (id == 0)
        return QCoreApplication::translate("Board", "empty");
    return QCoreApplication::translate("Board", "tile %1, row %2, column %3")
        .arg(id)
        .arg(y + 1)
        .arg(x + 1);
}

bool BoardCellAccessible::isValid() const
{
    return board && board->getEngine();
}

QObject *BoardCellAccessible::object() const
{
    return nullptr;
}

QWindow *BoardCellAccessible::window() const
{
    return board ? board->window()->windowHandle() : nullptr;
}

QAccessibleInterface *BoardCellAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(board.data());
}

QAccessibleInterface *BoardCellAccessible::child(int) const
{
    return nullptr;
}

int BoardCellAccessible::childCount() const
{
    return 0;
}

int BoardCellAccessible::indexOfChild(const QAccessibleInterface *) const
{
    return -1;
}

QAccessibleInterface *BoardCellAccessible::childAt(int, int) const
{
    return nullptr;
}

QString BoardCellAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? name() : QString();
}

void BoardCellAccessible::setText(QAccessible::Text, const QString &) { }

QRect BoardCellAccessible::rect() const
{
    const QSize tile = board ? board->tileSize() : QSize();
    if (!tile.isValid())
        return QRect();
    const QRect inViewport =
        board->viewportTransform()
            .mapRect(QRectF(QPointF(x * tile.width(), y * tile.height()), tile))
            .toRect();
    return inViewport.translated(board->viewport()->mapToGlobal(QPoint(0, 0)));
}

QAccessible::Role BoardCellAccessible::role() const
{
    return QAccessible::Cell;
}

QAccessible::State BoardCellAccessible::state() const
{
    QAccessible::State state;
    if (!board || !board->isVisible())
        state.invisible = true;
    return state;
}

void *BoardCellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface *>(this);
    return nullptr;
}

bool BoardCellAccessible::isSelected() const
{
    return false;
}

QList<QAccessibleInterface *> BoardCellAccessible::columnHeaderCells() const
{
    return {};
}

QList<QAccessibleInterface *> BoardCellAccessible::rowHeaderCells() const
{
    return {};
}

int BoardCellAccessible::columnIndex() const
{
    return x;
}

int BoardCellAccessible::rowIndex() const
{
    return y;
}

int BoardCellAccessible::columnExtent() const
{
    return 1;
}

int BoardCellAccessible::rowExtent() const
{
    return 1;
}

QAccessibleInterface *BoardCellAccessible::table() const
{
    return parent();
}
