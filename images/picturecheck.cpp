// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturecheck.h"

#include "picturesize.h"
#include "pngdecoder.h"
#include "tiffdecoder.h"
#include "webpdecoder.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <cstring>

namespace PictureCheck {

namespace {

    const QByteArray PngSignature("\x89PNG\r\n\x1a\n", 8);

    // Entropy-coded data takes at most this many bytes a pixel, summed over all the scans of a
    // progressive picture; a little more in a very small picture.
    constexpr qint64 MaxJpegScanBytesPerPixel = 32;
    constexpr qint64 JpegScanSlackBytes = 1024 * 1024;
    // Bytes that libjpeg skips between two segments, with a complaint; more means a broken file.
    constexpr int MaxJpegStrayBytes = 1024;

    // Reads a device forwards through a buffer, for walking large files without holding them.
    class ByteStream
    {
    public:
        explicit ByteStream(QIODevice *device) : device(device) { }

        // Bytes handed out so far.
        qint64 consumed() const { return total - (len - pos); }

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

        // Moves to just past the next 0xFF byte, unless that lies beyond the first limit bytes of
        // the stream.
        bool skipPastFF(qint64 limit)
        {
            for (;;) {
                if (pos == len && !refill())
                    return false;
                const void *hit = std::memchr(buffer + pos, 0xFF, size_t(len - pos));
                if (hit) {
                    pos = static_cast<const char *>(hit) - buffer + 1;
                    return consumed() <= limit;
                }
                pos = len;
                if (consumed() > limit)
                    return false;
            }
        }

    private:
        bool refill()
        {
            len = qMax<qint64>(device->read(buffer, sizeof buffer), 0);
            pos = 0;
            total += len;
            return len > 0;
        }

        QIODevice *device;
        char buffer[64 * 1024];
        qint64 pos = 0;
        qint64 len = 0;
        qint64 total = 0;
    };

    bool isFrameMarker(uchar marker)
    {
        return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8
            && marker != 0xCC;
    }

    bool isProgressiveFrame(uchar marker)
    {
        return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
    }

    bool isPngChunkType(const char *type)
    {
        for (int i = 0; i < 4; ++i) {
            const char c = type[i];
            if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
                return false;
        }
        return true;
    }

    // Formats drawn from a description rather than stored in pixels: drawn straight at the size
    // they are shown at, and any size they declare is cheap.
    bool isVector(const QByteArray &format)
    {
        return format == "svg" || format == "svgz";
    }

    // Any format the toolkit reads, through its image plugins: reduced while decoded where the
    // plugin can do that, upright where it knows the orientation.
    QImage readWithToolkit(QFile *file, const QByteArray &format, qint64 pictureBytes, int size)
    {
        QImageReader reader(file, format);
        reader.setAutoDetectImageFormat(format.isEmpty());
        reader.setAutoTransform(true);
        const QSize declared = reader.size();
        const bool vector = isVector(reader.format());
        if (!declared.isValid() || (!vector && !PictureSize::affordable(declared, pictureBytes)))
            return {};
        const qint64 limit = PictureSize::allocationLimitBytes();
        if (reader.supportsOption(QImageIOHandler::ScaledSize)) {
            // The toolkit applies its allocation limit to the reduced size.
            const QSize reduced = vector
                ? declared.scaled(size, size, Qt::KeepAspectRatioByExpanding)
                : PictureSize::reduced(declared, size);
            if (reduced != declared)
                reader.setScaledSize(reduced);
        } else if (PictureSize::imageBytes(declared) > limit) {
            // Refused before anything is decoded, by the size it declares.
            return {};
        }
        QImage image = reader.read();
        if (image.isNull() || PictureSize::imageBytes(image.size()) > limit)
            return {};
        return image;
    }

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

    bool inScan = false;
    qint64 scanLimit = 0;
    int strayAllowed = 0; // none right after the SOI marker
    for (;;) {
        // Find the next marker. Inside entropy-coded data 0xFF 0x00 is a stuffed byte and
        // 0xFF 0xD0-0xD7 a restart marker; between segments a marker follows at once, but for a
        // few stray bytes that libjpeg skips too.
        uchar marker = 0;
        do {
            if (inScan) {
                if (!in.skipPastFF(scanLimit))
                    return layout;
            } else {
                int stray = 0;
                do {
                    if (!in.next(&byte) || (byte != 0xFF && ++stray > strayAllowed))
                        return layout;
                } while (byte != 0xFF);
            }
            do {
                if (!in.next(&marker))
                    return layout;
            } while (marker == 0xFF);
        } while (inScan && (marker == 0x00 || (marker >= 0xD0 && marker <= 0xD7)));
        inScan = false;
        strayAllowed = MaxJpegStrayBytes;

        if (marker == 0xD9) {
            layout.complete = layout.size.isValid();
            layout.bytes = in.consumed();
            return layout;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;

        uchar high = 0;
        uchar low = 0;
        if (!in.next(&high) || !in.next(&low))
            return layout;
        const int length = (high << 8) | low;
        if (length < 2)
            return layout;
        if (isFrameMarker(marker)) {
            // Precision, then height and width.
            uchar frame[5];
            if (length < 2 + int(sizeof frame))
                return layout;
            for (uchar &b : frame) {
                if (!in.next(&b))
                    return layout;
            }
            layout.size = QSize((frame[3] << 8) | frame[4], (frame[1] << 8) | frame[2]);
            if (layout.size.isEmpty() || !in.skip(length - 2 - int(sizeof frame)))
                return layout;
            layout.progressive = isProgressiveFrame(marker);
            continue;
        }
        if (!in.skip(length - 2))
            return layout;
        if (marker == 0xDA) {
            // A scan before the frame header is one libjpeg refuses too.
            if (layout.size.isEmpty())
                return layout;
            inScan = true;
            scanLimit = in.consumed() + JpegScanSlackBytes
                + MaxJpegScanBytesPerPixel * layout.size.width() * layout.size.height();
        }
    }
}

// The chunks are stepped over by their lengths, without reading their data; a cut-off file is
// refused before libpng decodes as much of it as there is, and a chunk without a type (zeros, as
// a broken download leaves) ends the walk at once.
bool pngIsWhole(QIODevice *device)
{
    const qint64 size = device->size();
    qint64 pos = PngSignature.size();
    while (pos + 12 <= size) {
        if (!device->seek(pos))
            return false;
        const QByteArray header = device->read(8);
        if (header.size() != 8 || !isPngChunkType(header.constData() + 4))
            return false;
        const qint64 length = qFromBigEndian<quint32>(header.constData());
        if (header.mid(4) == "IEND")
            return true;
        pos += 12 + length; // length, type, data, CRC
    }
    return false;
}

bool bmpIsWhole(QIODevice *device)
{
    if (!device->seek(0))
        return false;
    const QByteArray header = device->read(34);
    if (header.size() < 26 || !header.startsWith("BM"))
        return false;
    const char *h = header.constData();
    const qint64 dataOffset = qFromLittleEndian<quint32>(h + 10);
    const quint32 infoBytes = qFromLittleEndian<quint32>(h + 14);
    qint64 width = 0;
    qint64 height = 0;
    int bits = 0;
    quint32 compression = 0;
    if (infoBytes == 12) { // the OS/2 header
        width = qFromLittleEndian<quint16>(h + 18);
        height = qFromLittleEndian<quint16>(h + 20);
        bits = qFromLittleEndian<quint16>(h + 24);
    } else if (header.size() == 34) {
        width = qFromLittleEndian<qint32>(h + 18);
        height = qAbs(qint64(qFromLittleEndian<qint32>(h + 22)));
        bits = qFromLittleEndian<quint16>(h + 28);
        compression = qFromLittleEndian<quint32>(h + 30);
    } else {
        return false;
    }
    const qint64 size = device->size();
    // Run-length coded rows end in an end-of-picture code, which is all that tells them whole.
    if (compression == 1 || compression == 2) {
        if (size < dataOffset + 2 || !device->seek(size - 2))
            return false;
        return device->read(2) == QByteArray("\0\x01", 2);
    }
    // Bounded before they are multiplied: a width below 2^31 of at most 64 bits a pixel.
    if (width <= 0 || height <= 0 || bits <= 0 || bits > 64 || dataOffset > size)
        return false;
    const qint64 rowBytes = (width * bits + 31) / 32 * 4;
    return height <= (size - dataOffset) / rowBytes;
}

bool gifIsWhole(QIODevice *device)
{
    const qint64 size = device->size();
    return size > 0 && device->seek(size - 1) && device->read(1) == ";";
}

QImage decodePicture(const QString &filename, int size)
{
    // Only regular files: opening a FIFO blocks until a writer comes, a device may never end.
    if (!QFileInfo(filename).isFile())
        return {};
    QFile file(filename);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential())
        return {};

    // Each format the game decodes on its own or checks first is told by its signature; the
    // others are left to the toolkit to detect.
    const QByteArray signature = file.peek(12);
    const auto reset = [&file] { return file.seek(0); };
    if (signature.startsWith(PngSignature)) {
        if (!pngIsWhole(&file) || !reset())
            return {};
        return PngDecoder::decode(&file, size);
    }
    if (signature.startsWith("RIFF") && signature.mid(8, 4) == "WEBP") {
        if (std::optional<QImage> image = WebpDecoder::decode(&file, size))
            return *image;
        return reset() ? readWithToolkit(&file, "webp", file.size(), size) : QImage();
    }
    // TIFF and BigTIFF, in either byte order.
    if (signature.startsWith(QByteArray("II*\0", 4)) || signature.startsWith("MM\0*")
        || signature.startsWith(QByteArray("II+\0", 4)) || signature.startsWith("MM\0+")) {
        if (std::optional<QImage> image = TiffDecoder::decode(&file, size))
            return *image;
        return reset() ? readWithToolkit(&file, "tiff", file.size(), size) : QImage();
    }
    if (signature.startsWith(QByteArray("\xFF\xD8", 2))) {
        const JpegLayout layout = walkJpeg(&file);
        if (!layout.complete || !reset())
            return {};
        return readWithToolkit(&file, "jpeg", layout.bytes, size);
    }
    if (signature.startsWith("BM")) {
        if (!bmpIsWhole(&file) || !reset())
            return {};
        return readWithToolkit(&file, "bmp", file.size(), size);
    }
    if (signature.startsWith("GIF8")) {
        if (!gifIsWhole(&file) || !reset())
            return {};
        return readWithToolkit(&file, "gif", file.size(), size);
    }
    return readWithToolkit(&file, QByteArray(), file.size(), size);
}

} // namespace PictureCheck
