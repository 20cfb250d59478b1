// SPDX-License-Identifier: GPL-3.0-or-later
#include "imageloader.h"

#include "busycursor.h"
#include "picturecheck.h"

#include <QFile>
#include <QFileInfo>
#include <QGraphicsItemGroup>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QImage>
#include <QImageReader>
#include <QPen>
#include <QPixmap>

#include <cmath>
#include <utility>

namespace {

constexpr int PictureSize = 150;
constexpr int PieceSize = 50;
constexpr int PiecesPerSide = PictureSize / PieceSize;
constexpr int NumberOffset = 15;
// Beyond any screen made; caps the memory a set of tiles takes.
constexpr qreal MaxPixelRatio = 8.0;
// The largest file whose picture is kept for the next read: the game's own pictures are far
// smaller, a photo is larger.
constexpr qint64 MaxKeptFileBytes = 1024 * 1024;

// The pixmap ratio at which a piece of `pixels` pixels measures 50 units, never a hair less. The
// toolkit measures a pixmap as its pixels divided by its ratio, and for some sizes
// pixels / (pixels / 50.0) comes out just below 50, which a whole-unit tile size, as the board
// view takes it, truncates to 49.
qreal pieceRatioFor(int pixels)
{
    qreal ratio = qreal(pixels) / PieceSize;
    while (pixels / ratio < PieceSize)
        ratio = std::nextafter(ratio, 0.0);
    return ratio;
}

// The whole content of a regular file of at most MaxKeptFileBytes, or nothing.
QByteArray smallFileBytes(const QString &filename)
{
    const QFileInfo info(filename);
    if (!info.isFile() || info.size() > MaxKeptFileBytes)
        return {};
    QFile file(filename);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(MaxKeptFileBytes + 1);
    return bytes.size() <= MaxKeptFileBytes ? bytes : QByteArray();
}

} // namespace

ImageLoader::ImageLoader(QObject *parent) : QObject(parent) { }

ImageLoader::~ImageLoader() = default;

void ImageLoader::setDevicePixelRatio(qreal ratio)
{
    // Written so that NaN fails the comparison and counts as 1.
    pixelRatio = ratio > 1.0 ? qMin(ratio, MaxPixelRatio) : 1.0;
}

QList<QGraphicsItem *> ImageLoader::LoadAndSplitImage(const QString &filename, int w, int h)
{
    if (filename.isEmpty())
        return GetDefault(w, h);

    // Whole pixels a tile, and the picture exactly three tiles a side, so that the tiles meet
    // without a seam; at a fractional ratio a tile is drawn a fraction of a pixel larger or
    // smaller than it is. At ratio 1 the pieces are 50 x 50 pixels.
    const int piecePixels = qRound(PieceSize * pixelRatio);
    const int picturePixels = PiecesPerSide * piecePixels;

    const QPixmap picture = this->picture(filename, picturePixels);
    if (picture.isNull())
        return GetDefault(w, h);

    // Set on every piece, also at ratio 1: a picture read from a file named "name@2x.png" comes
    // with a ratio of its own.
    const qreal pieceRatio = pieceRatioFor(piecePixels);
    QList<QGraphicsItem *> items;
    items.reserve(PiecesPerSide * PiecesPerSide);
    for (int y = 0; y < PiecesPerSide; ++y) {
        for (int x = 0; x < PiecesPerSide; ++x) {
            QPixmap piece =
                picture.copy(x * piecePixels, y * piecePixels, piecePixels, piecePixels);
            piece.setDevicePixelRatio(pieceRatio);
            items.append(new QGraphicsPixmapItem(piece));
        }
    }
    return items;
}

QPixmap ImageLoader::picture(const QString &filename, int pixels)
{
    // A file that holds the same bytes as the last one gives the same picture, without decoding
    // it again.
    const QByteArray bytes = smallFileBytes(filename);
    const int allocationLimit = QImageReader::allocationLimit();
    if (!bytes.isEmpty() && filename == last.filename && bytes == last.bytes
        && pixels == last.pixels && allocationLimit == last.allocationLimit)
        return last.picture;

    QImage image = BusyCursor::wait([&] { return PictureCheck::decodePicture(filename, pixels); });
    if (image.isNull())
        return {};
    // Stretched or squeezed to fill the square whatever its shape, without smoothing. The image
    // is handed over, so that the pixmap takes its pixels over (converting them in place where
    // it must) and a large picture is not held twice at full size.
    const QPixmap picture =
        QPixmap::fromImage(std::move(image), Qt::AutoColor)
            .scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::FastTransformation);

    // The decoder read the file on its own: the picture is kept only if the file still holds the
    // bytes it is kept by.
    if (!bytes.isEmpty() && smallFileBytes(filename) == bytes)
        last = {filename, bytes, pixels, allocationLimit, picture};
    return picture;
}

QList<QGraphicsItem *> ImageLoader::GetDefault(int w, int h)
{
    QList<QGraphicsItem *> items;
    items.reserve(qMax(0, w) * qMax(0, h));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            auto *group = new QGraphicsItemGroup;
            auto *rect = new QGraphicsRectItem(0.0, 0.0, PieceSize, PieceSize);
            auto *text = new QGraphicsSimpleTextItem;

            // A zero-width (cosmetic) pen, so the outline adds nothing to the 50 x 50 bounds.
            rect->setPen(QPen(Qt::black, 0));

            const int number = w * y + x;
            if (number != 0)
                text->setText(QString::number(number, 10));
            text->setPos(NumberOffset, NumberOffset);

            group->addToGroup(text);
            group->addToGroup(rect);

            const QRectF bounds = group->boundingRect();
            group->setPos(x * int(bounds.width()), y * int(bounds.height()));
            items.append(group);
        }
    }
    return items;
}
