// SPDX-License-Identifier: GPL-3.0-or-later
// The whole picture path, from the bytes of a file to the tiles: every input ends in nine
// picture tiles or nine numbered tiles. Run with -timeout=1 -rss_limit_mb=512, which are the
// bounds on time and memory that loading one picture keeps to.
#include "fuzzsupport.h"
#include "imageloader.h"

#include <QBuffer>
#include <QFile>
#include <QGraphicsItemGroup>
#include <QGraphicsPixmapItem>
#include <QGraphicsSimpleTextItem>
#include <QImageReader>

#include <cstddef>
#include <cstdint>

namespace {

// Nine pieces of one size; the size itself depends on the screen's pixel ratio.
bool arePictureTiles(const QList<QGraphicsItem *> &items)
{
    QSize pieceSize;
    for (QGraphicsItem *item : items) {
        const auto *tile = qgraphicsitem_cast<QGraphicsPixmapItem *>(item);
        if (!tile || tile->pixmap().isNull())
            return false;
        if (pieceSize.isEmpty())
            pieceSize = tile->pixmap().size();
        if (tile->pixmap().size() != pieceSize)
            return false;
    }
    return true;
}

bool areNumberedTiles(const QList<QGraphicsItem *> &items)
{
    for (int i = 0; i < items.size(); ++i) {
        if (items.at(i)->type() != QGraphicsItemGroup::Type)
            return false;
        const auto *text =
            qgraphicsitem_cast<QGraphicsSimpleTextItem *>(items.at(i)->childItems().value(0));
        if (!text || text->text() != (i == 0 ? QString() : QString::number(i)))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***argv)
{
    FuzzSupport::startApplication((*argv)[0]);
    // Telling the format from the content loads every image plugin the first time; done here, it
    // does not count against the first input's time limit.
    QByteArray nothing;
    QBuffer buffer(&nothing);
    QImageReader(&buffer).canRead();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // No suffix: the format is told from the content alone.
    static const QString path = FuzzSupport::workFolder() + QStringLiteral("/picture");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            FuzzSupport::fail("cannot write the picture file");
    }

    ImageLoader loader;
    QList<QGraphicsItem *> items = loader.LoadAndSplitImage(path, 3, 3);
    if (items.size() != 9)
        FuzzSupport::fail("not nine tiles");
    if (!arePictureTiles(items) && !areNumberedTiles(items))
        FuzzSupport::fail("neither nine picture tiles nor nine numbered tiles");
    qDeleteAll(items);
    return 0;
}
