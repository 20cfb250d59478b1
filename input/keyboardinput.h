// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef KEYBOARDINPUT_H
#define KEYBOARDINPUT_H

#include "input.h"

#include <QPointer>

class QWidget;

// Arrow keys pressed on a widget (the board view, while it has the keyboard focus) as moves. An
// arrow slides the tile on the far side of the empty square in the arrow's direction: Left moves
// the tile right of the empty square to the left, so the empty square travels right.
class KeyboardInput : public Input
{
    Q_OBJECT

public:
    explicit KeyboardInput(QWidget *target, QObject *parent = nullptr);
    ~KeyboardInput() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> target;
};

#endif // KEYBOARDINPUT_H
