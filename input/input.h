// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef INPUT_H
#define INPUT_H

#include <QObject>

// A source of move requests. Each signal names the way the empty square should travel, as the
// engine's move slots of the same names do.
class Input : public QObject
{
    Q_OBJECT

public:
    explicit Input(QObject *parent = nullptr);

signals:
    bool MoveLeft();
    bool MoveRight();
    bool MoveUp();
    bool MoveDown();
};

#endif // INPUT_H
