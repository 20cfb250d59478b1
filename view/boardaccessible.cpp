// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardaccessible.h"

#include "board.h"
#include "boardcellaccessible.h"
#include "puzzlepiece.h"

#include <QCoreApplication>

namespace {

QAccessibleInterface *boardFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(Board::staticMetaObject.className()))
        if (auto *board = qobject_cast<Board *>(object))
            return new BoardAccessible(board);
    return nullptr;
}

} // namespace

BoardAccessible::BoardAccessible(Board *board) : QAccessibleWidget(board, QAccessible::Table)
{
    for (int i = 0; i < NUM_OF_CELLS; ++i) {
        cells[i] = new BoardCellAccessible(board, i % PuzzleFirst::COLS, i / PuzzleFirst::COLS);
        cellIds[i] = QAccessible::registerAccessibleInterface(cells[i]);
    }
    rememberIds();
    if (PuzzleFirst *engine = board->getEngine()) {
        QObject::connect(engine, &PuzzleFirst::BoardChanged, &listener, [this] { followMove(); });
        QObject::connect(
            engine, &PuzzleFirst::BoardPictureChanged, &listener, [this] { followNewGame(); });
    }
}

BoardAccessible::~BoardAccessible()
{
    // By id: the toolkit's cache owns the cells and may have deleted them already at exit.
    for (QAccessible::Id id : cellIds)
        QAccessible::deleteAccessibleInterface(id);
}

void BoardAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(boardFactory);
        return true;
    }();
    Q_UNUSED(installed)
}

Board *BoardAccessible::board() const
{
    return static_cast<Board *>(widget());
}

void BoardAccessible::rememberIds()
{
    const PuzzleFirst *engine = board()->getEngine();
    for (int i = 0; i < NUM_OF_CELLS; ++i)
        reportedIds[i] =
            engine ? engine->getPieceAt(i % PuzzleFirst::COLS, i / PuzzleFirst::COLS)->getId() : -1;
}

void BoardAccessible::followMove()
{
    // A shuffle's moves are not the player's: the new game is reported as a whole.
    if (newGamePending)
        return;
    const PuzzleFirst *engine = board()->getEngine();
    for (int i = 0; i < NUM_OF_CELLS; ++i) {
        const int id = engine->getPieceAt(i % PuzzleFirst::COLS, i / PuzzleFirst::COLS)->getId();
        if (id == reportedIds[i])
            continue;
        reportedIds[i] = id;
        QAccessibleEvent event(cells[i], QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void BoardAccessible::followNewGame()
{
    if (newGamePending)
        return;
    newGamePending = true;
    // The engine shuffles right after the new set, within the same call; the report waits
    // until the event loop runs again. It is a name change of the board, which the AT-SPI
    // bridge forwards (its reorder and table model events do not reach a client); the board,
    // as a table, tells clients not to cache its cells, so they read the cells afresh.
    QMetaObject::invokeMethod(
        &listener,
        [this] {
            newGamePending = false;
            rememberIds();
            QAccessibleEvent event(board(), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        },
        Qt::QueuedConnection);
}

void *BoardAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString BoardAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return QCoreApplication::translate("Board", "board");
    return QAccessibleWidget::text(t);
}

int BoardAccessible::childCount() const
{
    return NUM_OF_CELLS;
}

QAccessibleInterface *BoardAccessible::child(int index) const
{
    return index >= 0 && index < NUM_OF_CELLS ? cells[index] : nullptr;
}

int BoardAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (int i = 0; i < NUM_OF_CELLS; ++i) {
        if (cells[i] == child)
            return i;
    }
    return -1;
}

QAccessibleInterface *BoardAccessible::childAt(int x, int y) const
{
    for (BoardCellAccessible *cell : cells) {
        if (cell->rect().contains(x, y))
            return cell;
    }
    return nullptr;
}

QAccessibleInterface *BoardAccessible::caption() const
{
    return nullptr;
}

QAccessibleInterface *BoardAccessible::summary() const
{
    return nullptr;
}

QAccessibleInterface *BoardAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= PuzzleFirst::ROWS || column < 0 || column >= PuzzleFirst::COLS)
        return nullptr;
    return cells[column + PuzzleFirst::COLS * row];
}

// Nothing on the board is ever selected.
int BoardAccessible::selectedCellCount() const
{
    return 0;
}

QList<QAccessibleInterface *> BoardAccessible::selectedCells() const
{
    return {};
}

QString BoardAccessible::columnDescription(int) const
{
    return QString();
}

QString BoardAccessible::rowDescription(int) const
{
    return QString();
}

int BoardAccessible::columnCount() const
{
    return PuzzleFirst::COLS;
}

int BoardAccessible::rowCount() const
{
    return PuzzleFirst::ROWS;
}

int BoardAccessible::selectedColumnCount() const
{
    return 0;
}

int BoardAccessible::selectedRowCount() const
{
    return 0;
}

QList<int> BoardAccessible::selectedColumns() const
{
    return {};
}

QList<int> BoardAccessible::selectedRows() const
{
    return {};
}

bool BoardAccessible::isColumnSelected(int) const
{
    return false;
}

bool BoardAccessible::isRowSelected(int) const
{
    return false;
}

bool BoardAccessible::selectRow(int)
{
    return false;
}

bool BoardAccessible::selectColumn(int)
{
    return false;
}

bool BoardAccessible::unselectRow(int)
{
    return false;
}

bool BoardAccessible::unselectColumn(int)
{
    return false;
}

// The cells stay; only their names change, and those are read from the engine each time.
void BoardAccessible::modelChange(QAccessibleTableModelChangeEvent *) { }
