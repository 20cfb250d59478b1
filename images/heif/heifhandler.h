// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef HEIFHANDLER_H
#define HEIFHANDLER_H

#include <QImageIOHandler>
#include <QSize>

struct heif_context;
struct heif_image_handle;

// Reads the primary picture of a HEIF file (HEIC, AVIF) from a random-access device, upright:
// libheif applies the file's rotation and mirroring, so the toolkit is told of no further
// transformation. At a scaled size it decodes the smallest thumbnail of the picture's shape that
// is at least that large, else the picture itself, and scales that down. A file that is not whole,
// or whose picture would take more than the toolkit's allocation limit, reads as nothing.
class HeifHandler : public QImageIOHandler
{
public:
    HeifHandler();
    ~HeifHandler() override;

    bool canRead() const override;
    bool read(QImage *image) override;

    QVariant option(ImageOption option) const override;
    void setOption(ImageOption option, const QVariant &value) override;
    bool supportsOption(ImageOption option) const override;

    // "avif" or "heif" by the brands in the file type box at the device's position, or nothing
    // when they name neither. Reads nothing off the device.
    static QByteArray formatOf(QIODevice *device);
    // Whether format is one of the names this handler reads.
    static bool isFormatName(const QByteArray &format);

private:
    // Reads the file's structure, once; whether it has a primary picture.
    bool parse();

    // What libheif reads the file from: the device, from where the file starts on it.
    struct Source
    {
        QIODevice *device = nullptr;
        qint64 start = 0;
    };
    Source source;

    enum class State { Unparsed, Parsed, Failed };
    State state = State::Unparsed;
    heif_context *context = nullptr;
    heif_image_handle *primary = nullptr;
    QSize scaledSize;
};

#endif // HEIFHANDLER_H
