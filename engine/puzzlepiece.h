// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PUZZLEPIECE_H
#define PUZZLEPIECE_H

#include <QObject>

class QGraphicsItem;

// One tile of the board: the item that draws it and its tile id (0 is the empty square).
// The piece refers to its item but does not own it.
class PuzzlePiece : public QObject
{
    Q_OBJECT

public:
    explicit PuzzlePiece(QObject *parent = nullptr);
    ~PuzzlePiece() override;

    void SetItem(QGraphicsItem *newItem);
    QGraphicsItem *getItem() const;

    void setId(int newId);
    int getId() const;

private:
    QGraphicsItem *graphicsItem = nullptr;
    int id = 0;
};

#endif // PUZZLEPIECE_H
