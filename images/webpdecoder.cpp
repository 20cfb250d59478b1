// SPDX-License-Identifier: GPL-3.0-or-later
#include "webpdecoder.h"

#include "exiforientation.h"
#include "picturesize.h"

#include <QFile>
#include <QLibrary>
#include <QtEndian>

#include <webp/decode.h>

#include <cstring>

namespace WebpDecoder {

namespace {

    constexpr qint64 RiffHeaderBytes = 12;
    constexpr qint64 ChunkHeaderBytes = 8;
    constexpr uchar ExifFlag = 0x08; // in the flags of the VP8X chunk

    // The few functions of libwebp used, resolved once.
    struct Library
    {
        decltype(&WebPInitDecoderConfigInternal) initConfig = nullptr;
        decltype(&WebPGetFeaturesInternal) getFeatures = nullptr;
        decltype(&WebPDecode) decode = nullptr;
        decltype(&WebPFreeDecBuffer) freeBuffer = nullptr;

        bool loaded() const { return initConfig && getFeatures && decode && freeBuffer; }
    };

    const Library &library()
    {
        static const Library lib = [] {
            Library l;
            QLibrary webp(QStringLiteral("webp"), 7);
            if (!webp.load())
                return l;
            l.initConfig = reinterpret_cast<decltype(l.initConfig)>(
                webp.resolve("WebPInitDecoderConfigInternal"));
            l.getFeatures =
                reinterpret_cast<decltype(l.getFeatures)>(webp.resolve("WebPGetFeaturesInternal"));
            l.decode = reinterpret_cast<decltype(l.decode)>(webp.resolve("WebPDecode"));
            l.freeBuffer =
                reinterpret_cast<decltype(l.freeBuffer)>(webp.resolve("WebPFreeDecBuffer"));
            return l;
        }();
        return lib;
    }

    bool isFourCc(const uchar *p)
    {
        for (int i = 0; i < 4; ++i) {
            if (!((p[i] >= 'A' && p[i] <= 'Z') || (p[i] >= '0' && p[i] <= '9') || p[i] == ' '))
                return false;
        }
        return true;
    }

    // The orientation in the EXIF chunk of an extended WebP; the walk stops at the first chunk
    // that is not one, so that it takes no longer than the file's real chunks.
    int orientation(const uchar *data, qint64 size)
    {
        if (size < RiffHeaderBytes + ChunkHeaderBytes + 1
            || std::memcmp(data + RiffHeaderBytes, "VP8X", 4) != 0
            || !(data[RiffHeaderBytes + ChunkHeaderBytes] & ExifFlag))
            return ExifOrientation::Upright;
        qint64 pos = RiffHeaderBytes;
        while (pos + ChunkHeaderBytes <= size && isFourCc(data + pos)) {
            const qint64 length = qFromLittleEndian<quint32>(data + pos + 4);
            if (length > size - pos - ChunkHeaderBytes)
                break;
            if (std::memcmp(data + pos, "EXIF", 4) == 0) {
                return ExifOrientation::fromExif(QByteArray::fromRawData(
                    reinterpret_cast<const char *>(data + pos + ChunkHeaderBytes),
                    qsizetype(length)));
            }
            pos += ChunkHeaderBytes + length + (length & 1);
        }
        return ExifOrientation::Upright;
    }

} // namespace

std::optional<QImage> decode(QFile *file, int size)
{
    const Library &webp = library();
    if (!webp.loaded())
        return std::nullopt;

    // The file is mapped, not read: the decoder reads only the parts it needs.
    const QByteArray header = file->peek(RiffHeaderBytes);
    if (header.size() != RiffHeaderBytes)
        return QImage();
    // The picture's own bytes: a file cut short holds fewer, and what follows is not its.
    const qint64 riffBytes = qint64(qFromLittleEndian<quint32>(header.constData() + 4)) + 8;
    if (riffBytes > file->size())
        return QImage();
    const uchar *data = file->map(0, riffBytes);
    if (!data)
        return QImage();

    WebPBitstreamFeatures features;
    if (webp.getFeatures(data, size_t(riffBytes), &features, WEBP_DECODER_ABI_VERSION)
        != VP8_STATUS_OK)
        return QImage();
    if (features.has_animation)
        return std::nullopt;
    const QSize declared(features.width, features.height);
    if (!PictureSize::affordable(declared, riffBytes))
        return QImage();
    const QSize target = PictureSize::reduced(declared, size);

    QImage image(target, features.has_alpha ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888);
    if (image.isNull())
        return QImage();
    WebPDecoderConfig config;
    if (!webp.initConfig(&config, WEBP_DECODER_ABI_VERSION))
        return QImage();
    if (target != declared) {
        config.options.use_scaling = 1;
        config.options.scaled_width = target.width();
        config.options.scaled_height = target.height();
    }
    // Straight into the image's pixels.
    config.output.colorspace = MODE_RGBA;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = image.bits();
    config.output.u.RGBA.stride = int(image.bytesPerLine());
    config.output.u.RGBA.size = size_t(image.sizeInBytes());
    const VP8StatusCode status = webp.decode(data, size_t(riffBytes), &config);
    webp.freeBuffer(&config.output);
    if (status != VP8_STATUS_OK)
        return QImage();
    return ExifOrientation::applied(image, orientation(data, riffBytes));
}

} // namespace WebpDecoder
