// SPDX-License-Identifier: GPL-3.0-or-later
// Cuts one picture into tiles through the game's image loader, as a game on that picture does at
// one pixel a unit, and says whether it gave "picture" or "numbers" tiles; without a picture, the
// game's default one. Run by bench/pictures.sh under /usr/bin/time: its cost above a run on the
// default picture is what the picture costs the game.
#include "imageloader.h"

#include <QApplication>
#include <QGraphicsItem>
#include <QGraphicsPixmapItem>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Where the game finds its own plugins when it runs from the build tree.
    QCoreApplication::addLibraryPath(QStringLiteral(PLIVORA_BUILD_PLUGINDIR));
    ImageLoader loader;
    const QList<QGraphicsItem *> items = loader.LoadAndSplitImage(
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(PLIVORA_DEFAULT_PICTURE), 3, 3);
    const bool picture = !items.isEmpty() && items.first()->type() == QGraphicsPixmapItem::Type;
    std::printf("%s\n", picture ? "picture" : "numbers");
    qDeleteAll(items);
    return 0;
}
