// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturecheck.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <cstring>
#include <limits>

namespace PictureCheck {

namespace {

    // A progressive JPEG keeps every coefficient of the full-size picture in memory while it is
    // decoded, about six bytes a pixel whatever the size it is decoded at. Beyond this many pixels
    // (a 200-megapixel camera still fits) such a picture is refused rather than allowed to take
    // gigabytes.
    constexpr qint64 MaxProgressiveJpegPixels = 256LL * 1000 * 1000;

    const QByteArray PngSignature("\x89PNG\r\n\x1a\n", 8);

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

} // namespace

// libjpeg decodes a cut-off file without complaint, filling the missing part with grey; walking
// the markers is how a truncated file is told from a whole one. Data after the EOI marker (a video
// appended by a phone's motion photo, say) is not looked at.
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

// The chunks are stepped over by their lengths, without reading their data; a cut-off file is
// refused before libpng decodes as much of it as there is.
bool pngIsWhole(QIODevice *device)
{
    const qint64 size = device->size();
    qint64 pos = PngSignature.size();
    while (pos + 12 <= size) {
        if (!device->seek(pos))
            return false;
        const QByteArray header = device->read(8);
        if (header.size() != 8)
            return false;
        const qint64 length = qFromBigEndian<quint32>(header.constData());
        if (header.mid(4) == "IEND")
            return true;
        pos += 12 + length; // length, type, data, CRC
    }
    return false;
}

QImage decodePicture(const QString &filename, int size)
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
        if (!pngIsWhole(&file))
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
        // The smallest size of the same shape that is at least size x size; the toolkit applies
        // its allocation limit to this reduced size.
        const QSize reduced = declared.scaled(size, size, Qt::KeepAspectRatioByExpanding);
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

} // namespace PictureCheck
