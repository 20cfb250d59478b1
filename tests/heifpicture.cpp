// SPDX-License-Identifier: GPL-3.0-or-later
#include "heifpicture.h"

#include <QFile>
#include <QImage>

#include <libheif/heif.h>

#include <cstring>

bool HeifPicture::write(const QString &path, const QImage &picture, int orientation,
    const QImage &thumbnail, int thumbnailBox)
{
    heif_init(nullptr);
    heif_context *file = heif_context_alloc();
    heif_encoder *encoder = nullptr;
    if (heif_context_get_encoder_for_format(file, heif_compression_HEVC, &encoder).code
        != heif_error_Ok) {
        heif_context_free(file);
        heif_deinit();
        return false;
    }
    heif_encoder_set_lossy_quality(encoder, 90);
    heif_encoder_set_parameter_string(encoder, "chroma", "444");
    heif_encoder_set_parameter_string(encoder, "preset", "ultrafast");
    heif_encoding_options *options = heif_encoding_options_alloc();
    options->image_orientation = heif_orientation(orientation);

    const auto toHeif = [](const QImage &source) {
        const QImage rgb = source.convertToFormat(QImage::Format_RGB888);
        heif_image *image = nullptr;
        heif_image_create(
            rgb.width(), rgb.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB, &image);
        heif_image_add_plane(image, heif_channel_interleaved, rgb.width(), rgb.height(), 8);
        int stride = 0;
        uint8_t *plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
        for (int y = 0; y < rgb.height(); ++y)
            std::memcpy(plane + y * stride, rgb.constScanLine(y), size_t(rgb.width()) * 3);
        return image;
    };
    heif_image *image = toHeif(picture);
    heif_image_handle *handle = nullptr;
    bool written =
        heif_context_encode_image(file, image, encoder, options, &handle).code == heif_error_Ok;
    if (written && thumbnailBox > 0) {
        heif_image *small = toHeif(thumbnail);
        written = heif_context_encode_thumbnail(
                      file, small, handle, encoder, options, thumbnailBox, nullptr)
                      .code
            == heif_error_Ok;
        heif_image_release(small);
    }
    written = written
        && heif_context_write_to_file(file, QFile::encodeName(path).constData()).code
            == heif_error_Ok;
    heif_image_handle_release(handle);
    heif_image_release(image);
    heif_encoding_options_free(options);
    heif_encoder_release(encoder);
    heif_context_free(file);
    heif_deinit();
    return written;
}
