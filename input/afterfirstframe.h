// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef AFTERFIRSTFRAME_H
#define AFTERFIRSTFRAME_H

#include <QObject>

#include <functional>

class QWindow;

// Calls back from the event loop once a window has drawn its first frame, or is gone: for work
// that the first frame need not wait for. The window draws while it handles its first expose
// event, which this sees just before; a window that has drawn already is called back at once.
// Belongs to the receiver, and ends with the call.
class AfterFirstFrame : public QObject
{
public:
    AfterFirstFrame(QWindow *window, QObject *receiver, std::function<void()> then);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void callBack();

    std::function<void()> then;
};

#endif // AFTERFIRSTFRAME_H
