#include "imageloader.h"

#include "picturecheck.h"

#include <QGraphicsItemGroup>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QImage>
#include <QPen>
#include <QPixmap>

namespace {

constexpr int PictureSize = 150;
constexpr int PieceSize = 50;
constexpr int NumberOffset = 15;

} // namespace

ImageLoader::ImageLoader(QObject *parent) : QObject(parent) { }

ImageLoader::~ImageLoader() = default;

QList<QGraphicsItem *> ImageLoader::LoadAndSplitImage(const QString &filename, int w, int h)
{
    if (filename.isEmpty())
        return GetDefault(w, h);

    const QImage image = PictureCheck::readPicture(filename, PictureSize);
    if (image.isNull())
        return GetDefault(w, h);

    // Stretched or squeezed to fill the square whatever its shape, without smoothing.
    const QPixmap picture =
        QPixmap::fromImage(image, Qt::AutoColor)
            .scaled(PictureSize, PictureSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);

    QList<QGraphicsItem *> items;
    items.reserve(9);
    for (int y = 0; y < PictureSize; y += PieceSize) {
        for (int x = 0; x < PictureSize; x += PieceSize)
            items.append(new QGraphicsPixmapItem(picture.copy(x, y, PieceSize, PieceSize)));
    }
    return items;
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
