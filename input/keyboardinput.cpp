// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboardinput.h"

#include <QKeyEvent>
#include <QWidget>

KeyboardInput::KeyboardInput(QWidget *target, QObject *parent) : Input(parent), target(target)
{
    if (target)
        target->installEventFilter(this);
}

KeyboardInput::~KeyboardInput()
{
    if (target)
        target->removeEventFilter(this);
}

bool KeyboardInput::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != target || event->type() != QEvent::KeyPress)
        return Input::eventFilter(watched, event);

    // Arrows with Ctrl, Alt or Shift are left to the widget and the window; those of the keypad
    // count like the others.
    const auto *key = static_cast<QKeyEvent *>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;

    switch (key->key()) {
    case Qt::Key_Left:
        emit MoveRight();
        return true;
    case Qt::Key_Right:
        emit MoveLeft();
        return true;
    case Qt::Key_Up:
        emit MoveDown();
        return true;
    case Qt::Key_Down:
        emit MoveUp();
        return true;
    default:
        return false;
    }
}
