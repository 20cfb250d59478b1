// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef IMAGELOADER_H
#define IMAGELOADER_H

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QString>

class QGraphicsItem;

// Makes the nine tile items of a board: pieces of a picture stretched to 150 x 150, or numbered
// tiles when there is no picture to be had. The caller owns the items it is given.
//
// Every tile measures 50 x 50 scene units. On a dense screen a picture tile holds more pixels
// than that, as many as the screen shows in its 50 x 50 units, so that it is drawn sharp.
class ImageLoader : public QObject
{
    Q_OBJECT

public:
    explicit ImageLoader(QObject *parent = nullptr);
    ~ImageLoader() override;

    // The device pixel ratio of the screen that the following sets of tiles are shown on. Picture
    // tiles are cut at about ratio x 50 pixels square; ratios below 1 (and ones that are no
    // number) count as 1, at which the tiles are exactly 50 x 50 pixels, and large ones are capped.
    void setDevicePixelRatio(qreal ratio);
    qreal devicePixelRatio() const { return pixelRatio; }

    // Nine 50 x 50 picture tiles in row-major order, all at (0, 0); or GetDefault(w, h) when
    // filename is empty or names nothing that reads as a picture.
    QList<QGraphicsItem *> LoadAndSplitImage(const QString &filename, int w, int h);

    // w x h numbered tiles in row-major order, each placed at its goal position; tile 0 has no
    // number.
    QList<QGraphicsItem *> GetDefault(int w, int h);

private:
    // The picture of filename at pixels x pixels, or a null pixmap.
    QPixmap picture(const QString &filename, int pixels);

    qreal pixelRatio = 1.0;
    // The last small picture made, and what it was made from. The game reads the same file again
    // at every new game, and twice at every start: for the engine's first tiles and for its first
    // game.
    struct Made
    {
        QString filename;
        QByteArray bytes;
        int pixels = 0;
        int allocationLimit = 0;
        QPixmap picture;
    } last;
};

#endif // IMAGELOADER_H
