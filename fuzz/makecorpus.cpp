// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed inputs of the fuzz targets: small pictures in the formats a player is likely to
// pick, whole and damaged, and settings files as this and other versions may leave them.
// Usage: makecorpus <folder>, which gets picture/, settings/ and walkers/ filled.
#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QRect>
#include <QSettings>
#include <QSize>

#include <cstdio>

namespace {

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

// A 3 x 3 pattern of four colours, with a gradient in one corner so the encoders have detail.
QImage pattern(const QSize &size)
{
    static const QRgb colours[] = {
        qRgb(220, 30, 30), qRgb(30, 200, 30), qRgb(30, 30, 220), qRgb(240, 240, 240)};
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const int region = (x * 3 / size.width() + 3 * (y * 3 / size.height())) % 4;
            image.setPixel(x, y, x < 8 && y < 8 ? qRgb(x * 32, y * 32, 128) : colours[region]);
        }
    }
    return image;
}

QByteArray encode(
    const QImage &image, const char *format, int quality = -1, bool progressive = false)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    if (!writer.write(image))
        std::fprintf(stderr, "cannot write %s: %s\n", format, qPrintable(writer.errorString()));
    return data;
}

// A GIF of four colours whose LZW stream starts afresh every two pixels, so that the codes stay
// three bits wide and no compressor is needed.
QByteArray gif(const QSize &size)
{
    QByteArray out("GIF89a");
    const auto word = [&out](int value) {
        out.append(char(value & 0xFF));
        out.append(char(value >> 8));
    };
    word(size.width());
    word(size.height());
    out.append("\xF1\x00\x00", 3); // global colour table of 4 entries
    out.append("\xDC\x1E\x1E\x1E\xC8\x1E\x1E\x1E\xDC\xF0\xF0\xF0", 12);
    out.append(',');
    word(0);
    word(0);
    word(size.width());
    word(size.height());
    out.append('\0');
    out.append('\x02'); // minimum code size

    QByteArray codes;
    quint32 bits = 0;
    int count = 0;
    const auto put = [&](int code) {
        bits |= quint32(code) << count;
        count += 3;
        while (count >= 8) {
            codes.append(char(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    };
    int pixel = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x, ++pixel) {
            if (pixel % 2 == 0)
                put(4); // clear
            put((x * 3 / size.width() + 3 * (y * 3 / size.height())) % 4);
        }
    }
    put(5); // end of information
    if (count > 0)
        codes.append(char(bits & 0xFF));
    for (int i = 0; i < codes.size(); i += 255) {
        const QByteArray block = codes.mid(i, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append('\0');
    out.append(';');
    return out;
}

void writeSettings(const QString &path, const QList<QPair<QString, QVariant>> &values)
{
    QFile::remove(path);
    QSettings settings(path, QSettings::IniFormat);
    for (const auto &value : values)
        settings.setValue(value.first, value.second);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: makecorpus <folder>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const char *sub : {"picture", "settings", "walkers"})
        root.mkpath(QString::fromLatin1(sub));
    const QString pictures = root.filePath(QStringLiteral("picture"));
    const QString walkers = root.filePath(QStringLiteral("walkers"));
    const QString settings = root.filePath(QStringLiteral("settings"));

    const QImage image = pattern(QSize(48, 36));
    const QByteArray png = encode(image, "png");
    const QByteArray jpeg = encode(image, "jpeg", 75);
    const QByteArray progressive = encode(image, "jpeg", 75, true);
    QByteArray motion = jpeg;
    motion.append(QByteArray(64, '\x42'));
    // A phone's portrait photo: EXIF that says to turn it a quarter clockwise.
    const QByteArray exif("\xFF\xE1\0\x22"
                          "Exif\0\0MM\0*\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x06\0\0\0\0\0\0",
        36);
    const QByteArray turned = jpeg.left(2) + exif + jpeg.mid(2);
    const QByteArray tiff = encode(image, "tiff");
    QByteArray stuffedPng = png; // a chunk length that runs past the end
    stuffedPng[8 + 3] = char(0x7F);

    const QList<QPair<QString, QByteArray>> seeds = {
        {"whole.png", png},
        {"tall.png", encode(pattern(QSize(9, 60)), "png")},
        {"grey.png", encode(image.convertToFormat(QImage::Format_Grayscale8), "png")},
        {"indexed.png", encode(image.convertToFormat(QImage::Format_Indexed8), "png")},
        {"cut.png", png.left(png.size() * 6 / 10)},
        {"no-end-chunk.png", png.left(png.size() - 12)},
        {"long-chunk.png", stuffedPng},
        {"baseline.jpg", jpeg},
        {"progressive.jpg", progressive},
        {"grey.jpg", encode(image.convertToFormat(QImage::Format_Grayscale8), "jpeg", 50)},
        {"motion.jpg", motion},
        {"cut-scan.jpg", jpeg.left(jpeg.size() * 6 / 10)},
        {"cut-header.jpg", jpeg.left(100)},
        {"cut-progressive.jpg", progressive.left(progressive.size() * 7 / 10)},
        {"no-end-marker.jpg", jpeg.left(jpeg.size() - 2)},
        {"turned.jpg", turned},
        {"whole.tiff", tiff},
        {"cut.tiff", tiff.left(tiff.size() * 7 / 10)},
        {"whole.bmp", encode(pattern(QSize(24, 18)), "bmp")},
        {"cut.bmp", encode(pattern(QSize(24, 18)), "bmp").left(300)},
        {"whole.gif", gif(QSize(30, 21))},
        {"cut.gif", gif(QSize(30, 21)).left(60)},
        {"lossy.webp", encode(image, "webp", 70)},
        {"lossless.webp", encode(pattern(QSize(24, 18)), "webp", 100)},
        {"cut.webp", encode(image, "webp", 70).left(80)},
        {"text", "this is not a picture\n"},
    };
    for (const auto &seed : seeds) {
        if (seed.second.isEmpty() || !writeFile(QDir(pictures).filePath(seed.first), seed.second))
            return 1;
    }
    for (const char *name : {"whole.png", "cut.png", "no-end-chunk.png", "long-chunk.png",
             "baseline.jpg", "progressive.jpg", "motion.jpg", "cut-scan.jpg", "no-end-marker.jpg",
             "whole.bmp", "cut.bmp", "whole.gif", "cut.gif"}) {
        const QString file = QString::fromLatin1(name);
        if (!QFile::copy(QDir(pictures).filePath(file), QDir(walkers).filePath(file)))
            return 1;
    }

    const QString ok = QStringLiteral("highscore/0");
    writeSettings(QDir(settings).filePath(QStringLiteral("scores.conf")),
        {{"current/difficulty", 2}, {ok, 30}, {"highscore/1", 45}, {"highscore/2", 60}});
    writeSettings(QDir(settings).filePath(QStringLiteral("hard-empty.conf")),
        {{"current/difficulty", 3}, {ok, -1}, {"highscore/1", -1}, {"highscore/2", -1}});
    writeSettings(QDir(settings).filePath(QStringLiteral("odd-values.conf")),
        {{"current/difficulty", QStringLiteral("average")}, {ok, QStringLiteral("99999999999")},
            {"highscore/1", -7}, {"highscore/2", QStringLiteral("+12")}});
    writeSettings(QDir(settings).filePath(QStringLiteral("typed-values.conf")),
        {{"current/difficulty", QVariant(qlonglong(2))}, {ok, QByteArray("15")},
            {"highscore/1", QSize(3, 4)}, {"highscore/2", QDateTime::fromSecsSinceEpoch(0)},
            {"other/list", QStringList {"a", "b"}}, {"other/rect", QRect(1, 2, 3, 4)}});
    if (!writeFile(QDir(settings).filePath(QStringLiteral("empty.conf")), QByteArray())
        || !writeFile(QDir(settings).filePath(QStringLiteral("broken.conf")),
            "[current\ndifficulty=0\n[highscore]\n0=5\nnot a key\n1=\"4\n"))
        return 1;
    return 0;
}
