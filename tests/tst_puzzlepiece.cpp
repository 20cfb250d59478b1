// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzlepiece.h"
#include "testsupport.h"

#include <QApplication>
#include <QGraphicsRectItem>
#include <QGraphicsScene>

class TestPuzzlePiece : public QObject
{
    Q_OBJECT

private slots:
    void holdsItemAndId();
    void destroyingPieceKeepsItem();
};

void TestPuzzlePiece::holdsItemAndId()
{
    QGraphicsRectItem item(0, 0, 50, 50);
    PuzzlePiece piece(nullptr);
    piece.SetItem(&item);
    piece.setId(7);
    QCOMPARE(piece.getItem(), &item);
    QCOMPARE(piece.getId(), 7);
    piece.setId(0);
    QCOMPARE(piece.getId(), 0);
}

void TestPuzzlePiece::destroyingPieceKeepsItem()
{
    QGraphicsScene scene;
    auto *item = scene.addRect(0, 0, 50, 50);
    item->setData(1, 2);
    auto *piece = new PuzzlePiece(nullptr);
    piece->SetItem(item);
    delete piece;
    // The item is still the scene's, whole and usable.
    QCOMPARE(scene.items().size(), 1);
    QCOMPARE(scene.items().first(), item);
    QCOMPARE(item->data(1).toInt(), 2);
}

PLIVORA_TEST_MAIN(TestPuzzlePiece)
#include "tst_puzzlepiece.moc"
