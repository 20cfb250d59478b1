// SPDX-License-Identifier: GPL-3.0-or-later
// A second game process for tests: builds an engine on the settings store named by its
// environment, says "ready", and on "solve <milliseconds> [<games> <step>]" plays that many games
// (one by default), each solved after the game clock has moved on by the milliseconds given plus
// step more for each game before it, and says "solved <seconds>" with the last one's time. The
// clock moves only then, so the times are the ones asked for however long the process takes.
// With the argument "window" it plays one game in the whole window, by mouse, and says "box <text>"
// once the first message box is open, which it leaves open.
#include "board.h"
#include "puzzlefirst.h"
#include "puzzleui.h"
#include "testsupport.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestSupport::FakeClock clock;
    const bool inWindow = argc > 1 && qstrcmp(argv[1], "window") == 0;
    std::optional<PuzzleUI> window;
    std::optional<PuzzleFirst> engine;
    if (inWindow)
        window.emplace(nullptr, std::nullopt, clock.clock());
    else
        engine.emplace(nullptr, clock.clock());
    std::printf("ready\n");
    std::fflush(stdout);

    std::string line;
    std::getline(std::cin, line);
    std::istringstream words(line);
    std::string command;
    int milliseconds = 0;
    int games = 1;
    int step = 0;
    if (!(words >> command >> milliseconds) || command != "solve")
        return 2;
    if (words >> games)
        words >> step;

    if (inWindow) {
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&poll] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                poll.stop();
                std::printf("box %s\n", qPrintable(box->text()));
                std::fflush(stdout);
            }
        });
        poll.start(1);
        Board *board = window->findChild<Board *>();
        clock.now += milliseconds;
        TestSupport::solveByMouse(*board, *board->getEngine());
        return 0;
    }

    for (int game = 0; game < games; ++game) {
        engine->ResetGame();
        clock.now += milliseconds + game * step;
        for (const QPoint &move : TestSupport::solution(*engine))
            engine->movePiece(move.x(), move.y());
    }
    std::printf("solved %d\n", engine->GetElapsedTime() / 1000);
    std::fflush(stdout);
    return 0;
}
