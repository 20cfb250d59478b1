// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the game's default picture: a landscape whose nine 50 x 50 pieces all look different,
// so that a misplaced tile is obvious. It is drawn in 150 x 150 units, once a pixel a unit and
// again at 2 and 3 pixels a unit for dense screens, the same shapes each time.
// Usage: makedefault <output.png>, which also writes <output>@2x.png and <output>@3x.png.
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace {

constexpr int Size = 150;

void drawSky(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, 95);
    sky.setColorAt(0.0, QColor(22, 46, 120));
    sky.setColorAt(0.6, QColor(96, 150, 215));
    sky.setColorAt(1.0, QColor(250, 200, 140));
    p.fillRect(0, 0, Size, 95, sky);

    QRadialGradient glow(118, 34, 30);
    glow.setColorAt(0.0, QColor(255, 250, 200, 230));
    glow.setColorAt(1.0, QColor(255, 210, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(118, 34), 30, 30);
    p.setBrush(QColor(255, 214, 60));
    p.drawEllipse(QPointF(118, 34), 15, 15);

    p.setBrush(QColor(255, 255, 255, 235));
    for (const QRectF &puff : {QRectF(52, 18, 22, 12), QRectF(62, 12, 20, 14),
             QRectF(72, 19, 22, 11), QRectF(8, 34, 20, 9), QRectF(18, 30, 16, 11)})
        p.drawEllipse(puff);
}

void drawMountains(QPainter &p)
{
    QPainterPath far;
    far.moveTo(0, 95);
    far.lineTo(0, 70);
    far.lineTo(30, 58);
    far.lineTo(62, 74);
    far.lineTo(150, 64);
    far.lineTo(150, 95);
    far.closeSubpath();
    p.setBrush(QColor(120, 110, 160));
    p.drawPath(far);

    QPainterPath peak;
    peak.moveTo(8, 100);
    peak.lineTo(75, 45);
    peak.lineTo(140, 100);
    peak.closeSubpath();
    p.setBrush(QColor(88, 70, 110));
    p.drawPath(peak);

    QPainterPath snow;
    snow.moveTo(61, 56.5);
    snow.lineTo(75, 45);
    snow.lineTo(89, 56.5);
    snow.lineTo(82, 61);
    snow.lineTo(75, 55);
    snow.lineTo(68, 62);
    snow.closeSubpath();
    p.setBrush(QColor(245, 245, 255));
    p.drawPath(snow);
}

void drawMeadow(QPainter &p)
{
    QLinearGradient grass(0, 92, 0, Size);
    grass.setColorAt(0.0, QColor(110, 170, 70));
    grass.setColorAt(1.0, QColor(40, 110, 40));
    p.fillRect(0, 92, Size, Size - 92, grass);

    QPainterPath river;
    river.moveTo(100, 92);
    river.cubicTo(80, 110, 140, 115, 112, 150);
    river.lineTo(150, 150);
    river.lineTo(150, 118);
    river.cubicTo(126, 112, 96, 104, 106, 92);
    river.closeSubpath();
    p.setBrush(QColor(60, 130, 210));
    p.drawPath(river);

    // A small red boat on the river.
    QPainterPath hull;
    hull.moveTo(120, 132);
    hull.lineTo(142, 132);
    hull.lineTo(137, 138);
    hull.lineTo(125, 138);
    hull.closeSubpath();
    p.setBrush(QColor(200, 40, 40));
    p.drawPath(hull);
    p.setPen(QPen(QColor(60, 40, 20), 1.2));
    p.drawLine(QPointF(131, 132), QPointF(131, 118));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 235));
    p.drawPolygon(QPolygonF({QPointF(132, 119), QPointF(141, 130), QPointF(132, 130)}));
}

void drawHouse(QPainter &p)
{
    p.setBrush(QColor(235, 215, 170));
    p.drawRect(QRectF(10, 118, 30, 24));
    p.setBrush(QColor(180, 40, 30));
    p.drawPolygon(QPolygonF({QPointF(6, 119), QPointF(25, 103), QPointF(44, 119)}));
    p.setBrush(QColor(110, 70, 40));
    p.drawRect(QRectF(21, 128, 8, 14));
    p.setBrush(QColor(120, 190, 240));
    p.drawRect(QRectF(13, 122, 6, 6));
    p.drawRect(QRectF(31, 122, 6, 6));
}

void drawTree(QPainter &p)
{
    p.setBrush(QColor(100, 60, 30));
    p.drawRect(QRectF(72, 120, 6, 24));
    p.setBrush(QColor(30, 90, 35));
    p.drawEllipse(QPointF(75, 112), 15, 14);
    p.setBrush(QColor(45, 120, 45));
    p.drawEllipse(QPointF(69, 108), 8, 7);
    p.setBrush(QColor(220, 40, 60));
    for (const QPointF &apple : {QPointF(68, 116), QPointF(81, 106), QPointF(79, 119)})
        p.drawEllipse(apple, 2, 2);

    p.setBrush(QColor(255, 230, 80));
    for (const QPointF &flower :
        {QPointF(56, 140), QPointF(94, 136), QPointF(60, 128), QPointF(90, 146), QPointF(48, 146)})
        p.drawEllipse(flower, 1.6, 1.6);
}

// The picture at scale pixels a unit.
QImage drawPicture(int scale)
{
    QImage image(Size * scale, Size * scale, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
    drawSky(p);
    drawMountains(p);
    drawMeadow(p);
    drawHouse(p);
    drawTree(p);
    p.end();
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.png>\n", argv[0]);
        return 2;
    }

    const QString output = QString::fromLocal8Bit(argv[1]);
    const QFileInfo info(output);
    const QString stem = info.path() + QLatin1Char('/') + info.completeBaseName();
    for (int scale = 1; scale <= 3; ++scale) {
        const QString name = scale == 1 ? output : stem + QStringLiteral("@%1x.png").arg(scale);
        if (!drawPicture(scale).save(name, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}
