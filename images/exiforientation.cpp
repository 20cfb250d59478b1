// SPDX-License-Identifier: GPL-3.0-or-later
#include "exiforientation.h"

#include <QTransform>
#include <QtEndian>

namespace ExifOrientation {

namespace {

    constexpr quint16 OrientationTag = 0x0112;
    constexpr quint16 ShortType = 3;
    constexpr int EntryBytes = 12;

    class TiffReader
    {
    public:
        TiffReader(const QByteArray &data, bool bigEndian) : data(data), bigEndian(bigEndian) { }

        bool has(qint64 offset, qint64 count) const
        {
            return offset >= 0 && count >= 0 && offset + count <= data.size();
        }
        quint16 u16(qint64 offset) const
        {
            const char *p = data.constData() + offset;
            return bigEndian ? qFromBigEndian<quint16>(p) : qFromLittleEndian<quint16>(p);
        }
        quint32 u32(qint64 offset) const
        {
            const char *p = data.constData() + offset;
            return bigEndian ? qFromBigEndian<quint32>(p) : qFromLittleEndian<quint32>(p);
        }

    private:
        const QByteArray &data;
        bool bigEndian;
    };

} // namespace

int fromExif(const QByteArray &exif)
{
    const QByteArray tiff = exif.startsWith(QByteArray("Exif\0\0", 6)) ? exif.mid(6) : exif;
    bool bigEndian = false;
    if (tiff.startsWith(QByteArray("MM\0*", 4)))
        bigEndian = true;
    else if (!tiff.startsWith(QByteArray("II*\0", 4)))
        return Upright;

    const TiffReader in(tiff, bigEndian);
    const qint64 directory = in.u32(4);
    if (!in.has(directory, 2))
        return Upright;
    const int entries = in.u16(directory);
    // Each entry is looked at once, within the block: no loop, however the offsets point.
    for (int i = 0; i < entries; ++i) {
        const qint64 entry = directory + 2 + qint64(i) * EntryBytes;
        if (!in.has(entry, EntryBytes))
            return Upright;
        if (in.u16(entry) != OrientationTag)
            continue;
        if (in.u16(entry + 2) != ShortType || in.u32(entry + 4) != 1)
            return Upright;
        const int value = in.u16(entry + 8);
        return value >= 1 && value <= 8 ? value : Upright;
    }
    return Upright;
}

QImage applied(const QImage &image, int orientation)
{
    // Mirrored left to right first, then turned clockwise by the angle.
    bool mirror = false;
    int angle = 0;
    switch (orientation) {
    case 2:
        mirror = true;
        break;
    case 3:
        angle = 180;
        break;
    case 4:
        mirror = true;
        angle = 180;
        break;
    case 5:
        mirror = true;
        angle = 270;
        break;
    case 6:
        angle = 90;
        break;
    case 7:
        mirror = true;
        angle = 90;
        break;
    case 8:
        angle = 270;
        break;
    default:
        return image;
    }
    QImage result = mirror ? image.mirrored(true, false) : image;
    if (angle != 0)
        result = result.transformed(QTransform().rotate(angle));
    return result;
}

} // namespace ExifOrientation
