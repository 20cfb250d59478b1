// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BOXREDUCER_H
#define BOXREDUCER_H

#include <QImage>
#include <QSize>

#include <vector>

// Reduces a picture that comes in rows, or in the pieces of rows of an interlaced picture, to a
// smaller size as it comes: each pixel of the result is the average of the box of source pixels
// that falls on it. Holds only the sums of the result, never the source picture.
class BoxReducer
{
public:
    // Source and target sizes must be positive, the target no larger than the source either way.
    BoxReducer(const QSize &source, const QSize &target);

    // Adds count pixels of source row y, 4 bytes each in the order red, green, blue, alpha, at
    // the columns x0, x0 + step, x0 + 2 * step ... Every source pixel must be added exactly once.
    void add(int y, int x0, int step, int count, const uchar *rgba);

    // The reduced picture, in a format of the bytes' order: QImage::Format_RGBA8888 or its
    // premultiplied form as the pixels came; QImage::Format_RGBX8888 for a picture without
    // transparency, all of whose alpha bytes must be 255, so that it is drawn opaque.
    QImage result(QImage::Format format) const;

private:
    QSize target;
    std::vector<int> targetColumn; // target column of each source column
    std::vector<int> targetRow; // target row of each source row
    std::vector<quint32> columnWidth; // source columns in each target column
    std::vector<quint32> rowHeight; // source rows in each target row
    std::vector<quint32> sums; // four channels of every target pixel
};

#endif // BOXREDUCER_H
