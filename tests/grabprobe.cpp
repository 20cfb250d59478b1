// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a screenshot of the game and prints what it shows, in one line:
// "<width>x<height> fills|gaps board <w>x<h> corner blank|tile", or "... no board".
// "fills": the outermost pixels of the screen are all one light colour, the window's, and not the
// compositor's bare background; but for the few pixels at each corner that the window's
// decoration rounds off. The board view is the white area that a quarter of the way down the
// screen begins nearest its left edge, where the time display (white too) does not reach. The
// board is the extent of what is drawn on it, from the first to the last pixel column and row
// (one outline to the other); "corner" tells whether the board's top-left cell, where the empty
// square lies in the goal order, is blank. Usage: plivora_grabprobe <screenshot>
#include <QGuiApplication>
#include <QImage>
#include <QRect>

#include <cstdio>

namespace {

constexpr int RoundedCorner = 10;

bool fills(const QImage &image)
{
    const QRgb colour = image.pixel(RoundedCorner, 0);
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    for (int x = RoundedCorner; x <= right - RoundedCorner; ++x) {
        if (image.pixel(x, 0) != colour || image.pixel(x, bottom) != colour)
            return false;
    }
    for (int y = RoundedCorner; y <= bottom - RoundedCorner; ++y) {
        if (image.pixel(0, y) != colour || image.pixel(right, y) != colour)
            return false;
    }
    return qGray(colour) >= 128;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <screenshot>\n", argv[0]);
        return 2;
    }
    const QImage image =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const auto white = [&image](int x, int y) {
        return image.rect().contains(x, y) && (image.pixel(x, y) & 0xffffff) == 0xffffff;
    };
    std::printf("%dx%d %s ", image.width(), image.height(), fills(image) ? "fills" : "gaps");

    // The view: its row a quarter of the way down, then its column just inside its left edge.
    QRect view(0, image.height() / 4, 1, 1);
    while (view.left() < image.width() && !white(view.left(), view.top()))
        view.moveLeft(view.left() + 1);
    while (white(view.right() + 1, view.top()))
        view.setRight(view.right() + 1);
    const int column = view.left() + 2;
    while (white(column, view.top() - 1))
        view.setTop(view.top() - 1);
    while (white(column, view.bottom() + 1))
        view.setBottom(view.bottom() + 1);

    QRect board;
    for (int y = view.top(); y <= view.bottom(); ++y) {
        for (int x = view.left(); x <= view.right(); ++x) {
            if (!white(x, y))
                board |= QRect(x, y, 1, 1);
        }
    }
    if (board.isEmpty()) {
        std::printf("no board\n");
        return 0;
    }
    const int w = board.width() - 1;
    const int h = board.height() - 1;
    bool blank = true;
    for (int y = board.top() + 2; y < board.top() + h / 3 - 1; ++y) {
        for (int x = board.left() + 2; x < board.left() + w / 3 - 1; ++x)
            blank = blank && white(x, y);
    }
    std::printf("board %dx%d corner %s\n", w, h, blank ? "blank" : "tile");
    return 0;
}
