// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the engine as the game does when it starts and prints what the first game is played
// with: "picture" and the centre colour of each tile, or "numbers". Copied next to an installed
// game, it sees the same folders the game does. Given a picture, as the game is, it plays that.
#include "privateplugins.h"
#include "puzzlefirst.h"
#include "testsupport.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PrivatePlugins::addFolder();
    PuzzleFirst engine;
    if (argc > 1)
        engine.LoadImage(QString::fromLocal8Bit(argv[1]));
    std::printf("%s\n", qPrintable(TestSupport::describeTiles(engine)));
    return 0;
}
