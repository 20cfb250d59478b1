// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturesize.h"

#include <QImageReader>

#include <limits>

namespace PictureSize {

namespace {

    // Generous for every format: a flat JPEG takes some bits an 8 x 8 block, deflate makes at most
    // about a thousand bytes of a byte, and a 1-bit PNG packs eight pixels a byte.
    constexpr qint64 MaxPixelsPerByte = 8192;
    // A 200-megapixel camera still fits; decoding this many pixels takes some seconds.
    constexpr qint64 MaxPixels = 256LL * 1000 * 1000;

} // namespace

QSize reduced(const QSize &declared, int size)
{
    const QSize covering = declared.scaled(size, size, Qt::KeepAspectRatioByExpanding);
    return covering.boundedTo(declared).expandedTo(QSize(1, 1));
}

bool affordable(const QSize &declared, qint64 fileBytes)
{
    if (declared.width() <= 0 || declared.height() <= 0 || fileBytes <= 0)
        return false;
    const qint64 pixels = qint64(declared.width()) * declared.height();
    return pixels <= MaxPixels && pixels / MaxPixelsPerByte <= fileBytes;
}

qint64 allocationLimitBytes()
{
    const int megabytes = QImageReader::allocationLimit();
    if (megabytes <= 0)
        return std::numeric_limits<qint64>::max();
    return qint64(megabytes) * 1024 * 1024;
}

qint64 imageBytes(const QSize &size)
{
    return qint64(size.width()) * size.height() * 4;
}

} // namespace PictureSize
