// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a screenshot of the game and prints what it shows, in one line:
// "<width>x<height> fills|gaps board <w>x<h> corner blank|tile", or "no board".
// "fills": the outermost pixels of the screen are all one light colour, the window's, and not the
// compositor's bare background; but for the few pixels at each corner that the window's
// decoration rounds off. The board is the extent of what is drawn on the board view's
// white, from the first to the last pixel column and row (one outline to the other); "corner"
// tells whether the board's top-left cell, where the empty square lies in the goal order, is
// blank. Usage: plivora_grabprobe <screenshot>
#include <QGuiApplication>
#include <QImage>
#include <QRect>

#include <cstdio>
#include <queue>

namespace {

bool isWhite(const QImage &image, int x, int y)
{
    return (image.pixel(x, y) & 0xffffff) == 0xffffff;
}

constexpr int RoundedCorner = 10;

bool framesInOneLightColour(const QImage &image)
{
    const QRgb colour = image.pixel(RoundedCorner, 0);
    if (qGray(colour) < 128)
        return false;
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
    return true;
}

// The bounding rectangle of the largest 4-connected white area: the board view's background.
QRect largestWhiteArea(const QImage &image)
{
    QList<bool> seen(qsizetype(image.width()) * image.height(), false);
    QRect best;
    qint64 bestCount = 0;
    for (int y0 = 0; y0 < image.height(); ++y0) {
        for (int x0 = 0; x0 < image.width(); ++x0) {
            if (seen[qsizetype(y0) * image.width() + x0] || !isWhite(image, x0, y0))
                continue;
            QRect area(x0, y0, 1, 1);
            qint64 count = 0;
            std::queue<QPoint> todo;
            todo.push(QPoint(x0, y0));
            seen[qsizetype(y0) * image.width() + x0] = true;
            while (!todo.empty()) {
                const QPoint p = todo.front();
                todo.pop();
                ++count;
                area |= QRect(p, QSize(1, 1));
                for (const QPoint &step :
                    {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + step;
                    if (!image.rect().contains(q))
                        continue;
                    const qsizetype index = qsizetype(q.y()) * image.width() + q.x();
                    if (!seen[index] && isWhite(image, q.x(), q.y())) {
                        seen[index] = true;
                        todo.push(q);
                    }
                }
            }
            if (count > bestCount) {
                bestCount = count;
                best = area;
            }
        }
    }
    return best;
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

    const QRect view = largestWhiteArea(image);
    QRect board;
    for (int y = view.top(); y <= view.bottom(); ++y) {
        for (int x = view.left(); x <= view.right(); ++x) {
            if (!isWhite(image, x, y))
                board |= QRect(x, y, 1, 1);
        }
    }
    std::printf("%dx%d %s ", image.width(), image.height(),
        framesInOneLightColour(image) ? "fills" : "gaps");
    if (board.isEmpty()) {
        std::printf("no board\n");
        return 0;
    }
    // From one outline to the other: the extent less the last pixel.
    const int w = board.width() - 1;
    const int h = board.height() - 1;
    bool blank = true;
    for (int y = board.top() + 2; y < board.top() + h / 3 - 1; ++y) {
        for (int x = board.left() + 2; x < board.left() + w / 3 - 1; ++x)
            blank = blank && isWhite(image, x, y);
    }
    std::printf("board %dx%d corner %s\n", w, h, blank ? "blank" : "tile");
    return 0;
}
