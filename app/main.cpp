#include "puzzleui.h"

#include <QApplication>

int qMain(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Plivora"));

    PuzzleUI window(nullptr);
    window.showMaximized();
    return app.exec();
}

int main(int argc, char **argv)
{
    return qMain(argc, argv);
}
