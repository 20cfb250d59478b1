// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef HEIFPICTURE_H
#define HEIFPICTURE_H

#include <QImage>
#include <QString>

// HEIC pictures for the tests, written with libheif's own encoder.
namespace HeifPicture {

// Encodes picture as a HEIC file shown in the given EXIF-style orientation (1 to 8), with a
// thumbnail of thumbnail (scaled down to fit a thumbnailBox square) when the box is not 0.
bool write(const QString &path, const QImage &picture, int orientation = 1,
    const QImage &thumbnail = {}, int thumbnailBox = 0);

} // namespace HeifPicture

#endif // HEIFPICTURE_H
