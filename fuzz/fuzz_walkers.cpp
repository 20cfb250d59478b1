// SPDX-License-Identifier: GPL-3.0-or-later
// The JPEG marker walk, the PNG chunk walk and the BMP and GIF checks on their own, fed from
// memory. The JPEG walk reads forwards through a buffer of its own; it is fed once whole and once
// in small pieces (as a pipe or a slow disk hands data over), and must come to the same answer both
// ways.
#include "fuzzsupport.h"
#include "picturecheck.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {

// A buffer that hands out at most a few bytes a read.
class TrickleBuffer : public QBuffer
{
public:
    TrickleBuffer(QByteArray *data, qint64 piece) : QBuffer(data), piece(piece) { }

protected:
    qint64 readData(char *out, qint64 maxSize) override
    {
        return QBuffer::readData(out, qMin(maxSize, piece));
    }

private:
    qint64 piece;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    QBuffer whole(&bytes);
    whole.open(QIODevice::ReadOnly);
    const PictureCheck::JpegLayout layout = PictureCheck::walkJpeg(&whole);

    // The piece size comes from the data, so that the fuzzer varies it too.
    TrickleBuffer trickle(&bytes, size > 2 ? 1 + data[size - 1] % 7 : 1);
    trickle.open(QIODevice::ReadOnly);
    const PictureCheck::JpegLayout trickled = PictureCheck::walkJpeg(&trickle);
    if (trickled.complete != layout.complete || trickled.progressive != layout.progressive)
        FuzzSupport::fail("the JPEG walk depends on how the data is read");

    QBuffer png(&bytes);
    png.open(QIODevice::ReadOnly);
    const bool pngWhole = PictureCheck::pngIsWhole(&png);

    // The BMP and GIF checks read a few bytes at known places: they must never read beyond.
    QBuffer other(&bytes);
    other.open(QIODevice::ReadOnly);
    PictureCheck::bmpIsWhole(&other);
    PictureCheck::gifIsWhole(&other);

    // What follows the end of a whole picture is not looked at.
    static const char tail[] = "\xFF\xD8\x00\x00\x00\x0C"
                               "IEND";
    QByteArray extended = bytes + QByteArray(tail, sizeof tail - 1);
    QBuffer extendedJpeg(&extended);
    extendedJpeg.open(QIODevice::ReadOnly);
    const PictureCheck::JpegLayout extendedLayout = PictureCheck::walkJpeg(&extendedJpeg);
    if (layout.complete
        && (!extendedLayout.complete || extendedLayout.progressive != layout.progressive))
        FuzzSupport::fail("data after a whole JPEG changed the walk");
    QBuffer extendedPng(&extended);
    extendedPng.open(QIODevice::ReadOnly);
    if (pngWhole && !PictureCheck::pngIsWhole(&extendedPng))
        FuzzSupport::fail("data after a whole PNG changed the walk");
    return 0;
}
