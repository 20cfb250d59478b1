// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboardinput.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

KeyboardInput::KeyboardInput(QWidget *window, QObject *parent) : Input(parent), window(window)
{
    // A key goes to the widget with the focus, and the application's filters see it before that
    // widget does: one filter there serves every widget of the window, also those added later.
    QCoreApplication::instance()->installEventFilter(this);
}

KeyboardInput::~KeyboardInput()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool KeyboardInput::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !window || !watched->isWidgetType()
        || static_cast<QWidget *>(watched)->window() != window)
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
