// SPDX-License-Identifier: GPL-3.0-or-later
#include "board.h"
#include "puzzlefirst.h"
#include "puzzlepiece.h"
#include "puzzleui.h"
#include "testsupport.h"

#include <QAccessible>
#include <QComboBox>
#include <QGraphicsItem>
#include <QLCDNumber>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

using namespace TestSupport;

namespace {

// The board and cells whose name changes the toolkit is told of; a cell has no object.
QList<QAccessibleInterface *> renamed;

void recordEvent(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::NameChanged
        && (!event->object() || qobject_cast<Board *>(event->object())))
        renamed << event->accessibleInterface();
}

} // namespace

class TestBoardAccessible : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The toolkit passes events on only while accessibility is on, as with a screen reader
        // listening; the headless platform never turns it on by itself.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler(recordEvent);
    }
    void init() { clearSettings(); }
    void cellsFollowTheGame_data();
    void cellsFollowTheGame();
    void controlsNamed_data();
    void controlsNamed();
};

void TestBoardAccessible::cellsFollowTheGame_data()
{
    QTest::addColumn<QString>("action");
    for (const char *action : {"none", "key", "click", "new game"})
        QTest::newRow(action) << action;
}

void TestBoardAccessible::cellsFollowTheGame()
{
    QFETCH(QString, action);
    PuzzleUI window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *board = window.findChild<Board *>();
    const PuzzleFirst &engine = *board->getEngine();
    settle(*board);
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(board);
    QCOMPARE(table->text(QAccessible::Name), "board");
    QCOMPARE(table->childCount(), 9);
    QCOMPARE(table->text(QAccessible::Description), QString());
    QCOMPARE(table->tableInterface()->cellAt(0, 3), nullptr);
    QCOMPARE(table->child(9), nullptr);
    QList<QAccessibleInterface *> cells;
    for (int i = 0; i < 9; ++i)
        cells << table->tableInterface()->cellAt(i / 3, i % 3);

    const QList<int> before = gridIds(engine);
    const int empty = before.indexOf(0);
    const int beside = empty % 3 < 2 ? empty + 1 : empty - 1;
    renamed.clear();
    if (action == "key") {
        QTest::keyClick(board, beside > empty ? Qt::Key_Left : Qt::Key_Right);
    } else if (action == "click") {
        const QRectF tile =
            engine.getPieceAt(beside % 3, beside / 3)->getItem()->sceneBoundingRect();
        QTest::mouseClick(
            board->viewport(), Qt::LeftButton, {}, board->mapFromScene(tile.center()));
    } else if (action == "new game") {
        QVERIFY(QMetaObject::invokeMethod(&window, "newgameButtonClicked"));
        QVERIFY(renamed.isEmpty()); // the shuffle is over before the board is renamed, once
        PLIVORA_TRY_COMPARE(renamed, QList<QAccessibleInterface *>({table}), 60000);
    }

    const QList<int> after = gridIds(engine);
    QList<QAccessibleInterface *> moved;
    for (int i = 0; i < 9; ++i) {
        QCOMPARE(table->child(i), cells[i]);
        QCOMPARE(table->indexOfChild(cells[i]), i);
        QVERIFY(!table->tableInterface()->isRowSelected(i / 3));
        QVERIFY(!table->tableInterface()->isColumnSelected(i % 3));
        const QString name = after[i] == 0 ? QStringLiteral("empty")
                                           : QStringLiteral("tile %1, row %2, column %3")
                                                 .arg(after[i])
                                                 .arg(i / 3 + 1)
                                                 .arg(i % 3 + 1);
        QCOMPARE(cells[i]->text(QAccessible::Name), name);
        // The cell is where its tile comes to rest, as large.
        const QGraphicsItem *tile = engine.getPieceAt(i % 3, i / 3)->getItem();
        const QPointF target(tile->data(PuzzleFirst::TARGET_X_KEY).toInt(),
            tile->data(PuzzleFirst::TARGET_Y_KEY).toInt());
        const QPoint centre = board->viewport()->mapToGlobal(
            board->mapFromScene(target + tile->boundingRect().center()));
        QCOMPARE(table->childAt(centre.x(), centre.y()), cells[i]);
        QCOMPARE(QSizeF(cells[i]->rect().size()), tile->boundingRect().size());
        if (after[i] != before[i] && action != "new game")
            moved << cells[i];
    }
    QCOMPARE(moved.size(), action == "key" || action == "click" ? 2 : 0);
    if (action != "new game") {
        std::sort(moved.begin(), moved.end());
        std::sort(renamed.begin(), renamed.end());
        QCOMPARE(renamed, moved);
    }
    window.hide();
    QVERIFY(cells[0]->state().invisible);
}

void TestBoardAccessible::controlsNamed_data()
{
    QTest::addColumn<int>("milliseconds");
    QTest::addColumn<QString>("name");
    QTest::newRow("none") << 0 << "time: 0 seconds";
    QTest::newRow("one") << 1999 << "time: 1 second";
    QTest::newRow("many") << 59999 << "time: 59 seconds";
}

void TestBoardAccessible::controlsNamed()
{
    QFETCH(int, milliseconds);
    QFETCH(QString, name);
    FakeClock clock;
    PuzzleUI window(nullptr, std::nullopt, clock.clock());
    window.show();
    clock.now = milliseconds;
    window.updateTime();
    auto *display = window.findChild<QLCDNumber *>();
    QCOMPARE(QAccessible::queryAccessibleInterface(display)->text(QAccessible::Name), name);
    QCOMPARE(display->intValue(), milliseconds / 1000);

    // The selector's name is its current item; what it is for, its label says, never shown.
    const auto labels = QAccessible::queryAccessibleInterface(window.findChild<QComboBox *>())
                            ->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels[0].first->text(QAccessible::Name), "difficulty");
    QVERIFY(labels[0].first->state().invisible);
}

PLIVORA_TEST_MAIN(TestBoardAccessible)
#include "tst_boardaccessible.moc"
