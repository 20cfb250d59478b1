// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef KEYBOARDINPUT_H
#define KEYBOARDINPUT_H

#include "input.h"

#include <QPointer>

class QWidget;

// Arrow keys pressed in a window as moves, whichever of its widgets has the keyboard focus: the
// board view, a button, a selector. Keys pressed in another window are left to it, such as a
// selector's open list (a popup window of its own), a dialog or a message box. An arrow slides the
// tile on the far side of the empty square in the arrow's direction: Left moves the tile right of
// the empty square to the left, so the empty square travels right.
class KeyboardInput : public Input
{
    Q_OBJECT

public:
    // window: the top-level widget whose keys are moves. Needs the application object.
    explicit KeyboardInput(QWidget *window, QObject *parent = nullptr);
    ~KeyboardInput() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> window;
};

#endif // KEYBOARDINPUT_H
