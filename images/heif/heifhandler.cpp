// SPDX-License-Identifier: GPL-3.0-or-later
#include "heifhandler.h"

#include <QIODevice>
#include <QImage>
#include <QImageReader>
#include <QVariant>
#include <QtEndian>

#include <libheif/heif.h>

#include <limits>
#include <memory>

namespace {

// The brands of a file type box that make a file one of ours. AVIF files name "mif1" too, so the
// AV1 brands are looked for first.
const QByteArray AvifBrands[] = {"avif", "avis"};
const QByteArray HeifBrands[] = {
    "heic", "heix", "heim", "heis", "hevc", "hevx", "mif1", "mif2", "msf1"};
// Enough for the box's size, type, major brand, minor version and a dozen compatible brands.
constexpr int FileTypePeek = 64;
constexpr quint32 MaxFileTypeBox = 4096;

// The toolkit's limit on the memory of one decoded image, in bytes.
qint64 allocationLimitBytes()
{
    const int megabytes = QImageReader::allocationLimit();
    return megabytes > 0 ? qint64(megabytes) * 1024 * 1024 : std::numeric_limits<qint64>::max();
}

// Decoded as four bytes a pixel.
bool fitsAllocationLimit(const QSize &size)
{
    return size.isValid() && !size.isEmpty()
        && qint64(size.width()) * size.height() * 4 <= allocationLimitBytes();
}

QSize sizeOf(const heif_image_handle *handle)
{
    return {heif_image_handle_get_width(handle), heif_image_handle_get_height(handle)};
}

// Whether two sizes have the same shape, to within a hundredth.
bool sameShape(const QSize &a, const QSize &b)
{
    const qint64 across = qint64(a.width()) * b.height();
    const qint64 down = qint64(a.height()) * b.width();
    return qAbs(across - down) * 100 <= qMax(across, down);
}

struct HandleRelease
{
    void operator()(heif_image_handle *handle) const { heif_image_handle_release(handle); }
};
using Handle = std::unique_ptr<heif_image_handle, HandleRelease>;

// The smallest thumbnail of primary's shape that is at least wanted in both directions.
Handle thumbnailFor(const heif_image_handle *primary, const QSize &wanted)
{
    const int count = heif_image_handle_get_number_of_thumbnails(primary);
    if (count <= 0)
        return {};
    QList<heif_item_id> ids(count);
    heif_image_handle_get_list_of_thumbnail_IDs(primary, ids.data(), count);
    Handle best;
    for (heif_item_id id : ids) {
        heif_image_handle *thumbnail = nullptr;
        if (heif_image_handle_get_thumbnail(primary, id, &thumbnail).code != heif_error_Ok)
            continue;
        Handle candidate(thumbnail);
        const QSize size = sizeOf(thumbnail);
        if (size.width() < wanted.width() || size.height() < wanted.height()
            || !sameShape(size, sizeOf(primary)))
            continue;
        if (!best
            || qint64(size.width()) * size.height()
                < qint64(sizeOf(best.get()).width()) * sizeOf(best.get()).height())
            best = std::move(candidate);
    }
    return best;
}

// The decoded picture of handle, upright, as the toolkit's image sharing libheif's pixels.
QImage decode(const heif_image_handle *handle)
{
    if (!fitsAllocationLimit(sizeOf(handle)))
        return {};
    heif_decoding_options *options = heif_decoding_options_alloc();
    options->convert_hdr_to_8bit = 1;
    heif_image *decoded = nullptr;
    const heif_error error = heif_decode_image(
        handle, &decoded, heif_colorspace_RGB, heif_chroma_interleaved_RGBA, options);
    heif_decoding_options_free(options);
    if (error.code != heif_error_Ok || !decoded)
        return {};

    int stride = 0;
    uchar *pixels = heif_image_get_plane(decoded, heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(decoded, heif_channel_interleaved);
    const int height = heif_image_get_height(decoded, heif_channel_interleaved);
    if (!pixels || width <= 0 || height <= 0 || stride < width * 4) {
        heif_image_release(decoded);
        return {};
    }

    // Premultiplied, the form the toolkit scales without converting a copy first.
    const bool alpha = heif_image_handle_has_alpha_channel(handle);
    if (alpha) {
        for (int y = 0; y < height; ++y) {
            uchar *pixel = pixels + qsizetype(y) * stride;
            for (int x = 0; x < width; ++x, pixel += 4) {
                const uint a = pixel[3];
                for (int c = 0; c < 3; ++c)
                    pixel[c] = uchar((pixel[c] * a + 127) / 255);
            }
        }
    }
    return QImage(
        pixels, width, height, stride,
        alpha ? QImage::Format_RGBA8888_Premultiplied : QImage::Format_RGBX8888,
        [](void *image) { heif_image_release(static_cast<heif_image *>(image)); }, decoded);
}

} // namespace

HeifHandler::HeifHandler()
{
    heif_init(nullptr);
}

HeifHandler::~HeifHandler()
{
    if (primary)
        heif_image_handle_release(primary);
    if (context)
        heif_context_free(context);
    heif_deinit();
}

QByteArray HeifHandler::formatOf(QIODevice *device)
{
    if (!device)
        return {};
    const QByteArray head = device->peek(FileTypePeek);
    if (head.size() < 16 || head.mid(4, 4) != "ftyp")
        return {};
    // libheif keeps every brand the box lists: a box that claims more than a file type box ever
    // holds (a broken or hostile file, or a 64-bit size) is not read at all.
    const quint32 boxSize = qFromBigEndian<quint32>(head.constData());
    if (boxSize < 16 || boxSize > MaxFileTypeBox)
        return {};
    const qsizetype boxEnd = qMin<qsizetype>(boxSize, head.size());
    QList<QByteArray> brands {head.mid(8, 4)};
    for (qsizetype at = 16; at + 4 <= boxEnd; at += 4)
        brands.append(head.mid(at, 4));
    for (const QByteArray &brand : AvifBrands) {
        if (brands.contains(brand))
            return QByteArrayLiteral("avif");
    }
    for (const QByteArray &brand : HeifBrands) {
        if (brands.contains(brand))
            return QByteArrayLiteral("heif");
    }
    return {};
}

bool HeifHandler::isFormatName(const QByteArray &format)
{
    const QByteArray name = format.toLower();
    return name == "heif" || name == "heic" || name == "hif" || name == "avif";
}

bool HeifHandler::canRead() const
{
    if (state != State::Unparsed)
        return state == State::Parsed;
    const QByteArray format = formatOf(device());
    if (format.isEmpty())
        return false;
    setFormat(format);
    return true;
}

bool HeifHandler::parse()
{
    if (state != State::Unparsed)
        return state == State::Parsed;
    state = State::Failed;

    // libheif seeks to the boxes it needs and reads only those, so that a large or sparse file
    // costs no more than the picture in it.
    QIODevice *device = this->device();
    if (!device || device->isSequential() || formatOf(device).isEmpty())
        return false;
    source = {device, device->pos()};
    static const heif_reader reader = {
        1,
        [](void *user) -> int64_t {
            const auto *source = static_cast<Source *>(user);
            return source->device->pos() - source->start;
        },
        [](void *data, size_t size, void *user) -> int {
            const auto *source = static_cast<Source *>(user);
            const auto wanted = qint64(size);
            return wanted >= 0 && source->device->read(static_cast<char *>(data), wanted) == wanted
                ? 0
                : -1;
        },
        [](int64_t position, void *user) -> int {
            const auto *source = static_cast<Source *>(user);
            return position >= 0 && source->device->seek(source->start + position) ? 0 : -1;
        },
        [](int64_t target, void *user) {
            const auto *source = static_cast<Source *>(user);
            return target <= source->device->size() - source->start
                ? heif_reader_grow_status_size_reached
                : heif_reader_grow_status_size_beyond_eof;
        },
    };

    context = heif_context_alloc();
    if (!context
        || heif_context_read_from_reader(context, &reader, &source, nullptr).code != heif_error_Ok)
        return false;
    if (heif_context_get_primary_image_handle(context, &primary).code != heif_error_Ok || !primary)
        return false;
    state = State::Parsed;
    return true;
}

bool HeifHandler::read(QImage *image)
{
    if (!parse())
        return false;
    const QSize size = sizeOf(primary);
    const QSize wanted = scaledSize.isValid() && !scaledSize.isEmpty() ? scaledSize : size;
    if (!fitsAllocationLimit(wanted))
        return false;
    const Handle thumbnail = wanted != size ? thumbnailFor(primary, wanted) : Handle();
    const QImage decoded = decode(thumbnail ? thumbnail.get() : primary);
    if (decoded.isNull())
        return false;
    *image = decoded.size() == wanted
        ? decoded
        : decoded.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return !image->isNull();
}

QVariant HeifHandler::option(ImageOption option) const
{
    switch (option) {
    case Size:
        if (const_cast<HeifHandler *>(this)->parse())
            return sizeOf(primary);
        return {};
    case ScaledSize:
        return scaledSize;
    case ImageTransformation:
        // libheif has turned the picture upright already.
        return int(TransformationNone);
    default:
        return {};
    }
}

void HeifHandler::setOption(ImageOption option, const QVariant &value)
{
    if (option == ScaledSize)
        scaledSize = value.toSize();
}

bool HeifHandler::supportsOption(ImageOption option) const
{
    return option == Size || option == ScaledSize || option == ImageTransformation;
}
