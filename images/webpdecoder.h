// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef WEBPDECODER_H
#define WEBPDECODER_H

#include <QImage>

#include <optional>

class QFile;

// Decodes a still WebP at a reduced size with libwebp's own scaling, and turns it upright by the
// EXIF orientation it carries. libwebp is loaded the first time a WebP is decoded, not at start.
namespace WebpDecoder {

// The picture in the file reduced to cover size x size; a null image when it is no whole,
// readable WebP or declares more than its bytes can hold; nothing when this decoder does not
// take it (an animation, or no libwebp to be had), to be read whole by the toolkit instead.
std::optional<QImage> decode(QFile *file, int size);

} // namespace WebpDecoder

#endif // WEBPDECODER_H
