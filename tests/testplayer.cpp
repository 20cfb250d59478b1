// SPDX-License-Identifier: GPL-3.0-or-later
// A second game process for tests: builds an engine on the settings store named by its
// environment, says "ready", and on "solve <milliseconds>" starts a game, waits that long, solves
// it and says "solved <seconds>".
#include "puzzlefirst.h"
#include "testsupport.h"

#include <QApplication>
#include <QThread>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PuzzleFirst engine;
    std::printf("ready\n");
    std::fflush(stdout);

    std::string command;
    int milliseconds = 0;
    if (!(std::cin >> command >> milliseconds) || command != "solve")
        return 2;

    engine.ResetGame();
    QThread::msleep(ulong(milliseconds));
    for (const QPoint &move : TestSupport::solution(engine))
        engine.movePiece(move.x(), move.y());
    std::printf("solved %d\n", engine.GetElapsedTime() / 1000);
    std::fflush(stdout);
    return 0;
}
