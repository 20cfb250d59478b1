// SPDX-License-Identifier: GPL-3.0-or-later
#include "imageloader.h"

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
#include <QtEndian>

#include <cstring>
#include <limits>

namespace {

constexpr int PictureSize = 150;
constexpr int PieceSize = 50;
constexpr int NumberOffset = 15;

// A progressive JPEG keeps every coefficient of the full-size picture in memory while it is
// decoded, about six bytes a pixel whatever the size it is decoded at. Beyond this many pixels
// (a 200-megapixel camera still fits) such a picture is refused rather than allowed to take
// gigabytes.
constexpr qint64 MaxProgressiveJpegPixels = 256LL * 1000 * 1000;

// The toolkit's limit on the memory of one decoded image, in bytes; no limit when it is off.
qint64 allocationLimitBytes()
{
    const int megabytes = QImageReader::allocationLimit();
    if (megabytes <= 0)
        return std::numeric_limits<qint64>::max();
    return qint64(megabytes) * 1024 * 1024;
}

// Bytes of the picture once it is a 32-bit pixmap, which is what every picture becomes.
qint64 pixmapBytes(const QSize &size)
{
    return qint64(size.width()) * size.height() * 4;
}

// Formats whose decoders produce a reduced image without decoding every full-size pixel into
// memory. Other formats honour QImageReader::setScaledSize by decoding at full size first, so a
// small file that declares a huge picture would keep the game busy for seconds.
bool decodesCheaplyAtReducedSize(const QByteArray &format)
{
    return format == "jpeg" || format == "jpg";
}

// Reads a device forwards through a buffer, for walking large files without holding them.
class ByteStream
{
public:
    explicit ByteStream(QIODevice *device) : device(device) { }

    bool next(uchar *byte)
    {
        if (pos == len && !refill())
            return false;
        *byte = uchar(buffer[pos++]);
        return true;
    }

    bool skip(qint64 count)
    {
        while (count > 0) {
            if (pos == len && !refill())
                return false;
            const qint64 step = qMin(count, len - pos);
            pos += step;
            count -= step;
        }
        return true;
    }

    // Moves to just past the next 0xFF byte.
    bool skipPastFF()
    {
        for (;;) {
            if (pos == len && !refill())
                return false;
            const void *hit = std::memchr(buffer + pos, 0xFF, size_t(len - pos));
            if (hit) {
                pos = static_cast<const char *>(hit) - buffer + 1;
                return true;
            }
            pos = len;
        }
    }

private:
    bool refill()
    {
        len = qMax<qint64>(device->read(buffer, sizeof buffer), 0);
        pos = 0;
        return len > 0;
    }

    QIODevice *device;
    char buffer[64 * 1024];
    qint64 pos = 0;
    qint64 len = 0;
};

struct JpegLayout
{
    bool complete = false; // every segment is whole and the image ends in its EOI marker
    bool progressive = false;
};

// Walks the markers of a JPEG stream from its SOI marker to its EOI marker. libjpeg decodes a
// cut-off file without complaint, filling the missing part with grey; walking the markers is how
// a truncated file is told from a whole one. Data after the EOI marker (a video appended by a
// phone's motion photo, say) is not looked at.
JpegLayout walkJpeg(QIODevice *device)
{
    JpegLayout layout;
    ByteStream in(device);
    uchar byte = 0;
    if (!in.next(&byte) || byte != 0xFF || !in.next(&byte) || byte != 0xD8)
        return layout;

    for (;;) {
        // Find the next marker. Inside entropy-coded data 0xFF 0x00 is a stuffed byte and
        // 0xFF 0xD0-0xD7 a restart marker; elsewhere stray bytes are skipped as libjpeg does.
        uchar marker = 0;
        do {
            if (!in.skipPastFF())
                return layout;
            do {
                if (!in.next(&marker))
                    return layout;
            } while (marker == 0xFF);
        } while (marker == 0x00 || (marker >= 0xD0 && marker <= 0xD7));

        if (marker == 0xD9) {
            layout.complete = true;
            return layout;
        }
        if (marker == 0x01)
            continue;

        uchar high = 0;
        uchar low = 0;
        if (!in.next(&high) || !in.next(&low))
            return layout;
        const int length = (high << 8) | low;
        if (length < 2 || !in.skip(length - 2))
            return layout;
        if (marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE)
            layout.progressive = true;
    }
}

const QByteArray PngSignature("\x89PNG\r\n\x1a\n", 8);

// Whether a PNG file holds every chunk it starts, up to its IEND chunk. The chunks are stepped
// over by their lengths, without reading their data; a cut-off file is refused before libpng
// decodes as much of it as there is.
bool pngIsWhole(QFile &file)
{
    const qint64 size = file.size();
    qint64 pos = PngSignature.size();
    while (pos + 12 <= size) {
        if (!file.seek(pos))
            return false;
        const QByteArray header = file.read(8);
        if (header.size() != 8)
            return false;
        const qint64 length = qFromBigEndian<quint32>(header.constData());
        if (header.mid(4) == "IEND")
            return true;
        pos += 12 + length; // length, type, data, CRC
    }
    return false;
}

// Decodes the picture in filename, at a reduced size where the format allows it cheaply, or
// returns a null image for anything that is not a whole, readable picture of a sane size.
QImage readPicture(const QString &filename)
{
    // Only regular files: opening a FIFO blocks until a writer comes, a device may never end.
    if (!QFileInfo(filename).isFile())
        return {};
    QFile file(filename);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential())
        return {};

    // The two commonest formats are checked to be whole first: their decoders make the most of
    // a cut-off file rather than fail.
    const QByteArray signature = file.peek(8);
    const bool png = signature == PngSignature;
    bool progressiveJpeg = false;
    if (png) {
        if (!pngIsWhole(file))
            return {};
    } else if (signature.startsWith(QByteArray("\xFF\xD8", 2))) {
        const JpegLayout layout = walkJpeg(&file);
        if (!layout.complete)
            return {};
        progressiveJpeg = layout.progressive;
    }
    if (!file.seek(0))
        return {};

    // The reader detects the format from the content, with the file's suffix as a hint. A PNG
    // (the default picture, read at every start) is named instead: the toolkit decodes PNG
    // itself, and detecting it would first load every image plugin installed, which takes
    // longer than decoding the picture.
    QImageReader reader(&file, png ? QByteArrayLiteral("png") : QByteArray());
    reader.setAutoDetectImageFormat(!png);
    const QSize declared = reader.size();
    const qint64 limit = allocationLimitBytes();

    if (declared.isValid() && decodesCheaplyAtReducedSize(reader.format())) {
        if (progressiveJpeg
            && qint64(declared.width()) * declared.height() > MaxProgressiveJpegPixels)
            return {};
        // The smallest size of the same shape that is at least the picture size both ways; the
        // toolkit applies its allocation limit to this reduced size.
        const QSize reduced =
            declared.scaled(PictureSize, PictureSize, Qt::KeepAspectRatioByExpanding);
        if (reduced.width() < declared.width() || reduced.height() < declared.height())
            reader.setScaledSize(reduced);
    } else if (declared.isValid() && pixmapBytes(declared) > limit) {
        // Refused before anything is decoded, by the size it declares.
        return {};
    }

    QImage image = reader.read();
    if (image.isNull() || pixmapBytes(image.size()) > limit)
        return {};
    return image;
}

} // namespace

ImageLoader::ImageLoader(QObject *parent) : QObject(parent) { }

ImageLoader::~ImageLoader() = default;

QList<QGraphicsItem *> ImageLoader::LoadAndSplitImage(const QString &filename, int w, int h)
{
    if (filename.isEmpty())
        return GetDefault(w, h);

    const QImage image = readPicture(filename);
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
