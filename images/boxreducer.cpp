// SPDX-License-Identifier: GPL-3.0-or-later
#include "boxreducer.h"

namespace {

// Each source index i goes to target index i * targetLength / sourceLength; counts how many go
// to each.
void mapLengths(int source, int target, std::vector<int> &map, std::vector<quint32> &lengths)
{
    map.resize(size_t(source));
    lengths.assign(size_t(target), 0);
    for (int i = 0; i < source; ++i) {
        map[size_t(i)] = int(qint64(i) * target / source);
        ++lengths[size_t(map[size_t(i)])];
    }
}

} // namespace

BoxReducer::BoxReducer(const QSize &source, const QSize &target)
    : target(target), sums(size_t(target.width()) * size_t(target.height()) * 4, 0)
{
    mapLengths(source.width(), target.width(), targetColumn, columnWidth);
    mapLengths(source.height(), target.height(), targetRow, rowHeight);
}

void BoxReducer::add(int y, int x0, int step, int count, const uchar *rgba)
{
    // The sums cannot overflow: a box of the largest picture allowed holds far fewer than 2^24
    // pixels.
    quint32 *row = sums.data() + size_t(targetRow[size_t(y)]) * size_t(target.width()) * 4;
    const int *column = targetColumn.data() + x0;
    for (int i = 0; i < count; ++i, rgba += 4, column += step) {
        quint32 *sum = row + size_t(*column) * 4;
        sum[0] += rgba[0];
        sum[1] += rgba[1];
        sum[2] += rgba[2];
        sum[3] += rgba[3];
    }
}

QImage BoxReducer::result(QImage::Format format) const
{
    QImage image(target, format);
    if (image.isNull())
        return image;
    const quint32 *sum = sums.data();
    for (int y = 0; y < target.height(); ++y) {
        uchar *out = image.scanLine(y);
        for (int x = 0; x < target.width(); ++x, sum += 4, out += 4) {
            const quint32 pixels = columnWidth[size_t(x)] * rowHeight[size_t(y)];
            for (int c = 0; c < 4; ++c)
                out[c] = uchar((sum[c] + pixels / 2) / pixels);
        }
    }
    return image;
}
