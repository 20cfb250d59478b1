// SPDX-License-Identifier: GPL-3.0-or-later
// A second game process for tests: builds an engine on the settings store named by its
// environment, says "ready", and on "solve <milliseconds>" starts a game, moves the game clock on
// by that much, solves it and says "solved <seconds>". The clock moves only then, so the time is
// the one asked for however long the process takes.
#include "puzzlefirst.h"
#include "testsupport.h"

#include <QApplication>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestSupport::FakeClock clock;
    PuzzleFirst engine(nullptr, clock.clock());
    std::printf("ready\n");
    std::fflush(stdout);

    std::string command;
    int milliseconds = 0;
    if (!(std::cin >> command >> milliseconds) || command != "solve")
        return 2;

    engine.ResetGame();
    clock.now += milliseconds;
    for (const QPoint &move : TestSupport::solution(engine))
        engine.movePiece(move.x(), move.y());
    std::printf("solved %d\n", engine.GetElapsedTime() / 1000);
    std::fflush(stdout);
    return 0;
}
