// SPDX-License-Identifier: GPL-3.0-or-later
#include "afterfirstframe.h"

#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <utility>

AfterFirstFrame::AfterFirstFrame(QWindow *window, QObject *receiver, std::function<void()> then)
    : QObject(receiver), then(std::move(then))
{
    if (window->isExposed()) {
        callBack();
        return;
    }
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, this, &AfterFirstFrame::callBack);
}

bool AfterFirstFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
        watched->removeEventFilter(this);
        callBack();
    }
    return false;
}

void AfterFirstFrame::callBack()
{
    if (!then)
        return;
    QTimer::singleShot(0, parent(), std::exchange(then, nullptr));
    deleteLater();
}
