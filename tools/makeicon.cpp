// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the game's icon: a 3 x 3 board with the top-left tile missing, the tiles in the colours of
// the default picture (sky, mountains, meadow). Writes the scalable SVG and the PNG sizes into a
// hicolor icon tree. Usage: makeicon <icons/hicolor>
#include "identity.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdio>

namespace {

constexpr int Canvas = 256; // the SVG's units; the PNGs scale them
const int PngSizes[] = {48, 64, 128, 256};

constexpr qreal BoardOrigin = 12;
constexpr qreal BoardSize = 232;
constexpr qreal BoardRadius = 28;
constexpr qreal TileOrigin = 20;
constexpr qreal TileSize = 68;
constexpr qreal TileStep = 74;
constexpr qreal TileRadius = 8;
const QColor BoardColour(43, 45, 66);

// Row by row; the top-left cell is the empty square, where the board shows through.
const QColor TileColours[3][3] = {
    {QColor(), QColor(74, 116, 196), QColor(111, 155, 216)},
    {QColor(120, 110, 160), QColor(88, 70, 110), QColor(145, 120, 170)},
    {QColor(110, 170, 70), QColor(79, 154, 60), QColor(40, 112, 42)},
};
const QPointF SunCentre(TileOrigin + 2 * TileStep + 34, TileOrigin + 30);
constexpr qreal SunRadius = 16;
const QColor SunColour(255, 214, 60);

QRectF tileRect(int x, int y)
{
    return QRectF(TileOrigin + x * TileStep, TileOrigin + y * TileStep, TileSize, TileSize);
}

QString svg()
{
    const auto rect = [](const QRectF &r, qreal radius, const QColor &colour) {
        return QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                              "fill=\"%6\"/>\n")
            .arg(r.x())
            .arg(r.y())
            .arg(r.width())
            .arg(r.height())
            .arg(radius)
            .arg(colour.name());
    };
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                                  "height=\"%1\" viewBox=\"0 0 %1 %1\">\n")
                       .arg(Canvas);
    text += rect(QRectF(BoardOrigin, BoardOrigin, BoardSize, BoardSize), BoardRadius, BoardColour);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x) {
            if (x || y)
                text += rect(tileRect(x, y), TileRadius, TileColours[y][x]);
        }
    }
    text += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n</svg>\n")
                .arg(SunCentre.x())
                .arg(SunCentre.y())
                .arg(SunRadius)
                .arg(SunColour.name());
    return text;
}

QImage png(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(qreal(size) / Canvas, qreal(size) / Canvas);
    p.setPen(Qt::NoPen);
    p.setBrush(BoardColour);
    p.drawRoundedRect(
        QRectF(BoardOrigin, BoardOrigin, BoardSize, BoardSize), BoardRadius, BoardRadius);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x) {
            if (!x && !y)
                continue;
            p.setBrush(TileColours[y][x]);
            p.drawRoundedRect(tileRect(x, y), TileRadius, TileRadius);
        }
    }
    p.setBrush(SunColour);
    p.drawEllipse(SunCentre, SunRadius, SunRadius);
    p.end();
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeicon <icons/hicolor>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QString file = QLatin1String(Identity::DESKTOP_ID);

    const QString scalable = QStringLiteral("scalable/apps");
    QFile svgFile(root.filePath(scalable + QLatin1Char('/') + file + QStringLiteral(".svg")));
    if (!root.mkpath(scalable) || !svgFile.open(QIODevice::WriteOnly)
        || svgFile.write(svg().toUtf8()) < 0 || !svgFile.flush()) {
        std::fprintf(stderr, "makeicon: cannot write %s\n", qPrintable(svgFile.fileName()));
        return 1;
    }
    for (int size : PngSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString path =
            root.filePath(folder + QLatin1Char('/') + file + QStringLiteral(".png"));
        if (!root.mkpath(folder) || !png(size).save(path, "PNG")) {
            std::fprintf(stderr, "makeicon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
