// SPDX-License-Identifier: GPL-3.0-or-later
#include "tiffdecoder.h"

#include "boxreducer.h"
#include "exiforientation.h"
#include "picturesize.h"

#include <QFile>
#include <QLibrary>
#include <QtEndian>

#include <tiffio.h>

#include <algorithm>
#include <climits>
#include <cstdarg>
#include <limits>
#include <vector>

namespace TiffDecoder {

namespace {

    // Rows are decoded a band at a time, of whole strips or tiles and about this many bytes.
    constexpr qint64 BandBytes = 1024 * 1024;

    // The functions of libtiff used, resolved once.
    struct Library
    {
        decltype(&TIFFOpenOptionsAlloc) optionsAlloc = nullptr;
        decltype(&TIFFOpenOptionsFree) optionsFree = nullptr;
        decltype(&TIFFOpenOptionsSetMaxSingleMemAlloc) setMaxAlloc = nullptr;
        decltype(&TIFFOpenOptionsSetErrorHandlerExtR) setErrorHandler = nullptr;
        decltype(&TIFFOpenOptionsSetWarningHandlerExtR) setWarningHandler = nullptr;
        decltype(&TIFFClientOpenExt) open = nullptr;
        decltype(&TIFFClose) close = nullptr;
        decltype(&TIFFGetFieldDefaulted) getFieldDefaulted = nullptr;
        decltype(&TIFFIsTiled) isTiled = nullptr;
        decltype(&TIFFRGBAImageBegin) begin = nullptr;
        decltype(&TIFFRGBAImageGet) get = nullptr;
        decltype(&TIFFRGBAImageEnd) end = nullptr;

        bool loaded() const
        {
            return optionsAlloc && optionsFree && setMaxAlloc && setErrorHandler
                && setWarningHandler && open && close && getFieldDefaulted && isTiled && begin
                && get && end;
        }
    };

    template<typename F>
    void resolve(QLibrary &lib, F &function, const char *name)
    {
        function = reinterpret_cast<F>(lib.resolve(name));
    }

    const Library &library()
    {
        static const Library lib = [] {
            Library l;
            QLibrary tiff(QStringLiteral("tiff"), 6);
            if (!tiff.load())
                return l;
            resolve(tiff, l.optionsAlloc, "TIFFOpenOptionsAlloc");
            resolve(tiff, l.optionsFree, "TIFFOpenOptionsFree");
            resolve(tiff, l.setMaxAlloc, "TIFFOpenOptionsSetMaxSingleMemAlloc");
            resolve(tiff, l.setErrorHandler, "TIFFOpenOptionsSetErrorHandlerExtR");
            resolve(tiff, l.setWarningHandler, "TIFFOpenOptionsSetWarningHandlerExtR");
            resolve(tiff, l.open, "TIFFClientOpenExt");
            resolve(tiff, l.close, "TIFFClose");
            resolve(tiff, l.getFieldDefaulted, "TIFFGetFieldDefaulted");
            resolve(tiff, l.isTiled, "TIFFIsTiled");
            resolve(tiff, l.begin, "TIFFRGBAImageBegin");
            resolve(tiff, l.get, "TIFFRGBAImageGet");
            resolve(tiff, l.end, "TIFFRGBAImageEnd");
            return l;
        }();
        return lib;
    }

    // The file, read through the toolkit, as libtiff reads it.
    QFile *fileOf(thandle_t handle)
    {
        return static_cast<QFile *>(handle);
    }
    tmsize_t readProc(thandle_t handle, void *data, tmsize_t size)
    {
        return tmsize_t(fileOf(handle)->read(static_cast<char *>(data), qint64(size)));
    }
    tmsize_t writeProc(thandle_t, void *, tmsize_t)
    {
        return -1;
    }
    toff_t seekProc(thandle_t handle, toff_t offset, int whence)
    {
        QFile *file = fileOf(handle);
        qint64 pos = qint64(offset);
        if (whence == SEEK_CUR)
            pos += file->pos();
        else if (whence == SEEK_END)
            pos += file->size();
        return pos >= 0 && file->seek(pos) ? toff_t(pos) : toff_t(-1);
    }
    int closeProc(thandle_t)
    {
        return 0;
    }
    toff_t sizeProc(thandle_t handle)
    {
        return toff_t(fileOf(handle)->size());
    }
    int mapProc(thandle_t, void **, toff_t *)
    {
        return 0;
    }
    void unmapProc(thandle_t, void *, toff_t) { }

    // Complaints and errors are not reported: a picture that fails gives numbered tiles.
    int ignore(TIFF *, void *, const char *, const char *, va_list)
    {
        return 1;
    }

    struct Open
    {
        const Library &lib;
        TIFFOpenOptions *options = nullptr;
        TIFF *tiff = nullptr;
        ~Open()
        {
            if (tiff)
                lib.close(tiff);
            if (options)
                lib.optionsFree(options);
        }
    };

    // Nothing when libtiff's RGBA reading does not take the kind of pixels (floating point, say),
    // which the toolkit's own TIFF reading may.
    std::optional<QImage> reduced(const Library &lib, TIFF *tiff, qint64 fileBytes, int size)
    {
        char message[1024];
        TIFFRGBAImage rgba;
        if (!lib.begin(&rgba, tiff, 1, message))
            return std::nullopt;
        struct End
        {
            const Library &lib;
            TIFFRGBAImage *rgba;
            ~End() { lib.end(rgba); }
        } end {lib, &rgba};

        const QSize declared(
            int(qMin<quint32>(rgba.width, INT_MAX)), int(qMin<quint32>(rgba.height, INT_MAX)));
        if (!PictureSize::affordable(declared, fileBytes))
            return QImage();
        // Rows in the file's order, which the orientation below turns upright.
        const int orientation = rgba.orientation;
        rgba.req_orientation = rgba.orientation;

        quint32 unit = 0;
        if (lib.isTiled(tiff))
            lib.getFieldDefaulted(tiff, TIFFTAG_TILELENGTH, &unit);
        else
            lib.getFieldDefaulted(tiff, TIFFTAG_ROWSPERSTRIP, &unit);
        const qint64 rowBytes = PictureSize::imageBytes(QSize(declared.width(), 1));
        qint64 band = std::clamp<qint64>(unit, 1, declared.height());
        band *= qMax<qint64>(1, BandBytes / (rowBytes * band));
        band = qMin<qint64>(band, declared.height());
        const QSize target = PictureSize::reduced(declared, size);
        if (band * rowBytes + 4 * PictureSize::imageBytes(target)
            > PictureSize::allocationLimitBytes())
            return QImage();

        BoxReducer reducer(declared, target);
        std::vector<quint32> raster(size_t(band * declared.width()));
        for (int row = 0; row < declared.height(); row += int(band)) {
            const int rows = int(qMin<qint64>(band, declared.height() - row));
            rgba.row_offset = row;
            rgba.col_offset = 0;
            if (!lib.get(&rgba, raster.data(), quint32(declared.width()), quint32(rows)))
                return QImage();
            for (int i = 0; i < rows; ++i) {
                quint32 *line = raster.data() + size_t(i) * size_t(declared.width());
                // Each pixel is packed as 0xAABBGGRR, premultiplied; in memory, red first on a
                // little-endian machine.
                if constexpr (Q_BYTE_ORDER == Q_BIG_ENDIAN) {
                    for (int x = 0; x < declared.width(); ++x)
                        line[x] = qbswap(line[x]);
                }
                reducer.add(row + i, 0, 1, declared.width(), reinterpret_cast<uchar *>(line));
            }
        }
        return ExifOrientation::applied(
            reducer.result(
                rgba.alpha == 0 ? QImage::Format_RGBX8888 : QImage::Format_RGBA8888_Premultiplied),
            orientation);
    }

} // namespace

std::optional<QImage> decode(QFile *file, int size)
{
    const Library &lib = library();
    if (!lib.loaded())
        return std::nullopt;
    Open open {lib};
    open.options = lib.optionsAlloc();
    if (!open.options)
        return QImage();
    lib.setErrorHandler(open.options, ignore, nullptr);
    lib.setWarningHandler(open.options, ignore, nullptr);
    // What libtiff itself allocates at once: a strip, a tile, a table.
    lib.setMaxAlloc(open.options,
        tmsize_t(qMin<qint64>(
            PictureSize::allocationLimitBytes(), std::numeric_limits<tmsize_t>::max())));
    // "m": libtiff reads through the file, without mapping it.
    open.tiff = lib.open("picture", "rm", file, readProc, writeProc, seekProc, closeProc, sizeProc,
        mapProc, unmapProc, open.options);
    if (!open.tiff)
        return QImage();
    return reduced(lib, open.tiff, file->size(), size);
}

} // namespace TiffDecoder
