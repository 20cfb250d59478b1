// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BOARDCELLACCESSIBLE_H
#define BOARDCELLACCESSIBLE_H

#include <QAccessibleInterface>
#include <QPointer>

class Board;

// One cell of the board view for assistive technology: the square at a fixed grid position,
// named after what lies there now ("empty", or "tile N, row R, column C"). The board's
// accessible interface makes the nine cells once and keeps them for its whole life, so a screen
// reader sees the same objects across moves and new games.
class BoardCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    BoardCellAccessible(Board *board, int x, int y);

    // What the cell shows now; empty once the engine is gone.
    QString name() const;

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    // The cell's square on the screen, wherever a sliding tile happens to be.
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface *> columnHeaderCells() const override;
    QList<QAccessibleInterface *> rowHeaderCells() const override;
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override;
    int rowExtent() const override;
    QAccessibleInterface *table() const override;

private:
    QPointer<Board> board;
    int x;
    int y;
};

#endif // BOARDCELLACCESSIBLE_H
