// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIFFDECODER_H
#define TIFFDECODER_H

#include <QImage>

#include <optional>

class QFile;

// Decodes a TIFF by bands of strips or tiles into a reduced picture, never holding the picture at
// full size, and turns it upright by its Orientation tag. libtiff is loaded the first time a TIFF
// is decoded, not at start.
namespace TiffDecoder {

// The first picture in the file reduced to cover size x size; a null image when it is no whole,
// readable TIFF or declares more than its bytes can hold; nothing when there is no libtiff to be
// had or its pixels are of a kind libtiff does not turn into RGBA, to be read whole by the toolkit
// instead.
std::optional<QImage> decode(QFile *file, int size);

} // namespace TiffDecoder

#endif // TIFFDECODER_H
