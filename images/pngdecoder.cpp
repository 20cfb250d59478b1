// SPDX-License-Identifier: GPL-3.0-or-later
#include "pngdecoder.h"

#include "boxreducer.h"
#include "exiforientation.h"
#include "picturesize.h"

#include <QIODevice>

#include <png.h>

#include <csetjmp>
#include <memory>
#include <vector>

namespace PngDecoder {

namespace {

    constexpr int Passes = 7;

    // Everything the decoding holds, outside the frame that libpng's errors jump back to, so that
    // the jump skips no destructor.
    struct Decoding
    {
        QIODevice *device = nullptr;
        int size = 0;
        png_structp png = nullptr;
        png_infop info = nullptr;
        std::unique_ptr<BoxReducer> reducer;
        std::vector<png_byte> row;
        int orientation = ExifOrientation::Upright;
        bool opaque = false;
        bool done = false;

        ~Decoding() { png_destroy_read_struct(&png, &info, nullptr); }
    };

    void readData(png_structp png, png_bytep data, size_t length)
    {
        auto *decoding = static_cast<Decoding *>(png_get_io_ptr(png));
        if (decoding->device->read(reinterpret_cast<char *>(data), qint64(length))
            != qint64(length))
            png_error(png, "cut short");
    }

    // Complaints and errors are not reported: a picture that fails gives numbered tiles.
    void ignoreWarning(png_structp, png_const_charp) { }
    [[noreturn]] void jumpOnError(png_structp png, png_const_charp)
    {
        png_longjmp(png, 1);
    }

    // Runs inside the frame that libpng's errors jump back to: no object with a destructor here.
    void run(Decoding *d)
    {
        if (setjmp(png_jmpbuf(d->png)))
            return;
        png_set_read_fn(d->png, d, readData);
        png_read_info(d->png, d->info);

        const QSize declared(
            int(png_get_image_width(d->png, d->info)), int(png_get_image_height(d->png, d->info)));
        if (!PictureSize::affordable(declared, d->device->size()))
            return;
        const QSize target = PictureSize::reduced(declared, d->size);
        // One row of the picture and the sums of the reduced one are all that is held.
        if (PictureSize::imageBytes(QSize(declared.width(), 1))
                + 4 * PictureSize::imageBytes(target)
            > PictureSize::allocationLimitBytes())
            return;

        d->opaque = !(png_get_color_type(d->png, d->info) & PNG_COLOR_MASK_ALPHA)
            && !png_get_valid(d->png, d->info, PNG_INFO_tRNS);
        // Every kind of pixel becomes 8-bit red, green, blue and alpha.
        png_set_expand(d->png);
        png_set_scale_16(d->png);
        png_set_gray_to_rgb(d->png);
        png_set_filler(d->png, 0xFF, PNG_FILLER_AFTER);
        png_read_update_info(d->png, d->info);
        if (png_get_rowbytes(d->png, d->info) != size_t(declared.width()) * 4)
            return;

        d->reducer = std::make_unique<BoxReducer>(declared, target);
        d->row.resize(size_t(declared.width()) * 4);
        // An interlaced picture comes as seven smaller pictures, each row of which is a piece of
        // a row of the whole; they are summed where they belong, so that nothing of a pass needs
        // to be kept either.
        const bool interlaced = png_get_interlace_type(d->png, d->info) != PNG_INTERLACE_NONE;
        const quint32 width = quint32(declared.width());
        const quint32 height = quint32(declared.height());
        for (int pass = 0; pass < (interlaced ? Passes : 1); ++pass) {
            const quint32 rows = interlaced ? PNG_PASS_ROWS(height, pass) : height;
            const quint32 columns = interlaced ? PNG_PASS_COLS(width, pass) : width;
            if (rows == 0 || columns == 0)
                continue;
            const int x0 = interlaced ? int(PNG_PASS_START_COL(pass)) : 0;
            const int step = interlaced ? int(PNG_PASS_COL_OFFSET(pass)) : 1;
            for (quint32 row = 0; row < rows; ++row) {
                png_read_row(d->png, d->row.data(), nullptr);
                const quint32 y = interlaced ? PNG_ROW_FROM_PASS_ROW(row, pass) : row;
                d->reducer->add(int(y), x0, step, int(columns), d->row.data());
            }
        }

        // EXIF may come after the picture's data too.
        png_read_end(d->png, d->info);
        png_uint_32 length = 0;
        png_bytep exif = nullptr;
        if (png_get_eXIf_1(d->png, d->info, &length, &exif) && exif) {
            d->orientation = ExifOrientation::fromExif(
                QByteArray::fromRawData(reinterpret_cast<const char *>(exif), int(length)));
        }
        d->done = true;
    }

} // namespace

QImage decode(QIODevice *device, int size)
{
    Decoding decoding;
    decoding.device = device;
    decoding.size = size;
    decoding.png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, jumpOnError, ignoreWarning);
    if (!decoding.png)
        return {};
    decoding.info = png_create_info_struct(decoding.png);
    if (!decoding.info)
        return {};
    run(&decoding);
    if (!decoding.done)
        return {};
    return ExifOrientation::applied(
        decoding.reducer->result(
            decoding.opaque ? QImage::Format_RGBX8888 : QImage::Format_RGBA8888),
        decoding.orientation);
}

} // namespace PngDecoder
