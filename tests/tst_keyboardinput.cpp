// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboardinput.h"
#include "testsupport.h"

#include <QKeyEvent>
#include <QSignalSpy>
#include <QWidget>

using namespace TestSupport;

namespace {

// A widget that records the keys that reach it.
class KeyTarget : public QWidget
{
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent *event) override { keys << event->key(); }
};

} // namespace

class TestKeyboardInput : public QObject
{
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void everyRepeatMoves();
    void otherWidgetsAreNotWatched();
};

void TestKeyboardInput::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("signal"); // empty: the key goes on to the widget

    QTest::newRow("left") << int(Qt::Key_Left) << int(Qt::NoModifier) << "MoveRight";
    QTest::newRow("right") << int(Qt::Key_Right) << int(Qt::NoModifier) << "MoveLeft";
    QTest::newRow("up") << int(Qt::Key_Up) << int(Qt::NoModifier) << "MoveDown";
    QTest::newRow("down") << int(Qt::Key_Down) << int(Qt::NoModifier) << "MoveUp";
    QTest::newRow("keypad left") << int(Qt::Key_Left) << int(Qt::KeypadModifier) << "MoveRight";
    QTest::newRow("keypad down") << int(Qt::Key_Down) << int(Qt::KeypadModifier) << "MoveUp";
    QTest::newRow("ctrl left") << int(Qt::Key_Left) << int(Qt::ControlModifier) << "";
    QTest::newRow("alt up") << int(Qt::Key_Up) << int(Qt::AltModifier) << "";
    QTest::newRow("shift right") << int(Qt::Key_Right) << int(Qt::ShiftModifier) << "";
    QTest::newRow("letter") << int(Qt::Key_N) << int(Qt::NoModifier) << "";
    QTest::newRow("space") << int(Qt::Key_Space) << int(Qt::NoModifier) << "";
}

void TestKeyboardInput::keys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, signal);

    KeyTarget target;
    KeyboardInput input(&target);
    QMap<QString, QSignalSpy *> spies;
    QSignalSpy left(&input, &Input::MoveLeft);
    QSignalSpy right(&input, &Input::MoveRight);
    QSignalSpy up(&input, &Input::MoveUp);
    QSignalSpy down(&input, &Input::MoveDown);
    spies = {{"MoveLeft", &left}, {"MoveRight", &right}, {"MoveUp", &up}, {"MoveDown", &down}};

    QTest::keyClick(&target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    for (auto it = spies.cbegin(); it != spies.cend(); ++it)
        QCOMPARE(it.value()->count(), it.key() == signal ? 1 : 0);
    // A key taken as a move does not also reach the widget (which would scroll the board).
    QCOMPARE(target.keys.contains(key), signal.isEmpty());
}

void TestKeyboardInput::everyRepeatMoves()
{
    KeyTarget target;
    KeyboardInput input(&target);
    QSignalSpy right(&input, &Input::MoveRight);
    for (int i = 0; i < 5; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(), i > 0);
        QApplication::sendEvent(&target, &press);
    }
    QCOMPARE(right.count(), 5);
}

void TestKeyboardInput::otherWidgetsAreNotWatched()
{
    KeyTarget target;
    KeyTarget other;
    auto *input = new KeyboardInput(&target);
    QSignalSpy left(input, &Input::MoveLeft);
    QTest::keyClick(&other, Qt::Key_Right);
    QCOMPARE(left.count(), 0);
    QCOMPARE(other.keys, QList<int> {Qt::Key_Right});

    // Once the input is gone the widget has its keys back.
    delete input;
    QTest::keyClick(&target, Qt::Key_Right);
    QCOMPARE(target.keys, QList<int> {Qt::Key_Right});
}

PLIVORA_TEST_MAIN(TestKeyboardInput)
#include "tst_keyboardinput.moc"
