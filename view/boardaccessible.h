// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BOARDACCESSIBLE_H
#define BOARDACCESSIBLE_H

#include "puzzlefirst.h"

#include <QAccessibleWidget>
#include <QObject>

class Board;
class BoardCellAccessible;

// The board view for assistive technology: a 3 x 3 table whose nine cells, in reading order,
// name the tiles where they lie now. It follows the engine's signals: after a move the two
// cells that changed report a new name; a new game, shuffle and all, is reported once, as a
// name change of the whole board, when the shuffle is over.
class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit BoardAccessible(Board *board);
    ~BoardAccessible() override;

    // Has the toolkit ask this class for the interface of every board view; once per process,
    // later calls do nothing. Called where the application is set up; without it, a board view
    // reads as a plain widget.
    static void install();

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

    QAccessibleInterface *caption() const override;
    QAccessibleInterface *summary() const override;
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int columnCount() const override;
    int rowCount() const override;
    int selectedColumnCount() const override;
    int selectedRowCount() const override;
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override;
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int column) override;
    bool unselectRow(int row) override;
    bool unselectColumn(int column) override;
    void modelChange(QAccessibleTableModelChangeEvent *event) override;

private:
    static const int NUM_OF_CELLS = PuzzleFirst::COLS * PuzzleFirst::ROWS;

    Board *board() const;
    // The tile ids as last reported, cell x + 3 * y first.
    void rememberIds();
    void followMove();
    void followNewGame();

    BoardCellAccessible *cells[NUM_OF_CELLS] = {};
    QAccessible::Id cellIds[NUM_OF_CELLS] = {};
    int reportedIds[NUM_OF_CELLS] = {};
    bool newGamePending = false;
    // The context of the connections to the engine: they end with this interface.
    QObject listener;
};

#endif // BOARDACCESSIBLE_H
