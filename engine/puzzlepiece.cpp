// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzlepiece.h"

PuzzlePiece::PuzzlePiece(QObject *parent) : QObject(parent) { }

PuzzlePiece::~PuzzlePiece() = default;

void PuzzlePiece::SetItem(QGraphicsItem *newItem)
{
    graphicsItem = newItem;
}

QGraphicsItem *PuzzlePiece::getItem() const
{
    return graphicsItem;
}

void PuzzlePiece::setId(int newId)
{
    id = newId;
}

int PuzzlePiece::getId() const
{
    return id;
}
