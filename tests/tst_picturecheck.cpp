// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturecheck.h"
#include "testsupport.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>

#include <cstring>

using namespace TestSupport;

namespace {

void appendSegment(QByteArray &out, uchar marker, const QByteArray &data)
{
    out.append(char(0xFF));
    out.append(char(marker));
    out.append(char((data.size() + 2) >> 8));
    out.append(char((data.size() + 2) & 0xFF));
    out.append(data);
}

// A greyscale JPEG whose frame header (marker sof) declares width x height, with one scan holding
// the given entropy-coded bytes. Its tables give the code 0 to "no change" and to "end of block",
// so zero bytes make a uniform picture of any size, and a scan cut short is filled in as uniform.
QByteArray jpeg(uchar sof, int width, int height, const QByteArray &scan = QByteArray())
{
    QByteArray out("\xFF\xD8", 2);
    appendSegment(out, 0xDB, QByteArray(1, '\0') + QByteArray(64, '\x01'));
    QByteArray frame(1, '\x08');
    frame.append(char(height >> 8)).append(char(height & 0xFF));
    frame.append(char(width >> 8)).append(char(width & 0xFF));
    frame.append("\x01\x01\x11\x00", 4);
    appendSegment(out, sof, frame);
    const QByteArray oneCode = QByteArray(1, '\x01') + QByteArray(15, '\0') + QByteArray(1, '\0');
    appendSegment(out, 0xC4, QByteArray(1, '\x00') + oneCode);
    appendSegment(out, 0xC4, QByteArray(1, '\x10') + oneCode);
    const bool progressive = sof == 0xC2;
    appendSegment(out, 0xDA,
        progressive ? QByteArray("\x01\x01\x00\x00\x00\x00", 6)
                    : QByteArray("\x01\x01\x00\x00\x3F\x00", 6));
    out.append(scan);
    out.append("\xFF\xD9", 2);
    return out;
}

// A device that hands its data over in the given pieces, one a read, and reports nothing at the
// end of each piece but the last, as a file still being written does.
class PausingDevice : public QIODevice
{
public:
    explicit PausingDevice(const QList<QByteArray> &pieces) : pieces(pieces)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (pieces.isEmpty())
            return -1;
        QByteArray &piece = pieces.first();
        const qint64 count = qMin<qint64>(maxSize, piece.size());
        memcpy(data, piece.constData(), size_t(count));
        piece.remove(0, count);
        if (piece.isEmpty() && count == 0)
            pieces.removeFirst();
        return count;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QList<QByteArray> pieces;
};

// A buffer that reports a size larger than the data it holds, as a file cut while it is read.
class ShrunkBuffer : public QBuffer
{
public:
    ShrunkBuffer(QByteArray *data, qint64 claimed) : QBuffer(data), claimed(claimed)
    {
        open(QIODevice::ReadOnly);
    }
    qint64 size() const override { return claimed; }

private:
    qint64 claimed;
};

QByteArray pngChunk(const char *type, int length)
{
    QByteArray chunk(4, '\0');
    chunk[2] = char(length >> 8);
    chunk[3] = char(length & 0xFF);
    return chunk + QByteArray(type, 4) + QByteArray(length, 'd') + QByteArray(4, 'c');
}

const QByteArray PngSignature("\x89PNG\r\n\x1a\n", 8);

quint32 crc32(const QByteArray &data)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char c : data) {
        crc ^= uchar(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

QByteArray be32(quint32 value)
{
    QByteArray out(4, '\0');
    qToBigEndian(value, out.data());
    return out;
}

QByteArray pngChunkOf(const char *type, const QByteArray &data)
{
    const QByteArray body = QByteArray(type, 4) + data;
    return be32(quint32(data.size())) + body + be32(crc32(body));
}

// A block of EXIF as JPEG and WebP carry it: one directory with the Orientation tag, big-endian.
QByteArray exif(int orientation)
{
    return QByteArray("Exif\0\0MM\0*\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0", 25)
        + char(orientation) + QByteArray(6, '\0');
}

// An 8-bit RGB PNG, interlaced or not, with an eXIf chunk when orientation is given.
QByteArray png(const QImage &picture, bool interlaced, int orientation = 0)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    QByteArray header = be32(quint32(rgb.width())) + be32(quint32(rgb.height()));
    header += QByteArray("\x08\x02\0\0", 4) + char(interlaced ? 1 : 0);
    // Adam7: the first column and row of each pass, and its steps.
    static const int passes[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
        {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    QByteArray raw;
    for (const auto &p : passes) {
        for (int y = interlaced ? p[1] : 0; y < rgb.height(); y += interlaced ? p[3] : 1) {
            QByteArray row;
            for (int x = interlaced ? p[0] : 0; x < rgb.width(); x += interlaced ? p[2] : 1)
                row.append(reinterpret_cast<const char *>(rgb.constScanLine(y)) + 3 * x, 3);
            if (!row.isEmpty())
                raw += '\0' + row;
        }
        if (!interlaced)
            break;
    }
    QByteArray out = PngSignature + pngChunkOf("IHDR", header);
    if (orientation)
        out += pngChunkOf("eXIf", exif(orientation).mid(6));
    return out + pngChunkOf("IDAT", qCompress(raw).mid(4)) + pngChunkOf("IEND", {});
}

QByteArray encoded(const QImage &picture, const char *format, int orientation = 0)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(100);
    // The toolkit writes a TIFF's Orientation tag itself: 1 to 8 in its terms.
    static const QImageIOHandler::Transformations transformations[] = {
        QImageIOHandler::TransformationNone, QImageIOHandler::TransformationMirror,
        QImageIOHandler::TransformationRotate180, QImageIOHandler::TransformationFlip,
        QImageIOHandler::TransformationFlipAndRotate90, QImageIOHandler::TransformationRotate90,
        QImageIOHandler::TransformationMirrorAndRotate90, QImageIOHandler::TransformationRotate270};
    if (orientation && qstrcmp(format, "tiff") == 0)
        writer.setTransformation(transformations[orientation - 1]);
    writer.write(picture);
    if (!orientation || qstrcmp(format, "tiff") == 0)
        return data;
    if (qstrcmp(format, "jpeg") == 0) {
        const QByteArray block = exif(orientation);
        return data.left(2) + "\xFF\xE1" + char((block.size() + 2) >> 8)
            + char((block.size() + 2) & 0xFF) + block + data.mid(2);
    }
    // WebP: extended, with a VP8X chunk that announces the EXIF chunk at the end.
    QByteArray vp8x("VP8X\x0A\0\0\0\x08\0\0\0", 12);
    for (const int length : {picture.width() - 1, picture.height() - 1})
        vp8x += char(length & 0xFF) + QByteArray(2, '\0');
    QByteArray exifChunk = "EXIF" + QByteArray(4, '\0') + exif(orientation).mid(6);
    qToLittleEndian(quint32(exifChunk.size() - 8), exifChunk.data() + 4);
    QByteArray riff = "RIFF" + QByteArray(4, '\0') + "WEBP" + vp8x + data.mid(12) + exifChunk;
    qToLittleEndian(quint32(riff.size() - 8), riff.data() + 4);
    return riff;
}

} // namespace

class TestPictureCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void walkJpeg_data();
    void walkJpeg();
    void jpegEndIsTheFirstEmptyRead_data();
    void jpegEndIsTheFirstEmptyRead();
    void pngIsWhole_data();
    void pngIsWhole();
    void progressiveCap_data();
    void progressiveCap();
    void allocationLimit_data();
    void allocationLimit();
    void reducedSize_data();
    void reducedSize();
    void upright_data();
    void upright();
    void seeThrough_data();
    void seeThrough();
    void brokenOrLying_data();
    void brokenOrLying();

private:
    QString write(const QString &name, const QByteArray &data);
    QTemporaryDir dir;
};

void TestPictureCheck::initTestCase()
{
    QVERIFY(dir.isValid());
    // libjpeg gives up on a picture whose coefficients need more than this, instead of taking
    // the gigabytes a huge progressive picture asks for; what reaches the decoder is then told
    // by its complaint.
    qputenv("JPEGMEM", "64M");
}

void TestPictureCheck::walkJpeg_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<bool>("progressive");

    const QByteArray zeros(16, '\0');
    QTest::newRow("baseline") << jpeg(0xC0, 16, 16, zeros) << true << false;
    QTest::newRow("extended") << jpeg(0xC1, 16, 16, zeros) << true << false;
    QTest::newRow("lossless") << jpeg(0xC3, 16, 16, zeros) << true << false;
    QTest::newRow("arithmetic") << jpeg(0xC9, 16, 16, zeros) << true << false;
    QTest::newRow("progressive") << jpeg(0xC2, 16, 16, zeros) << true << true;
    QTest::newRow("differential progressive") << jpeg(0xC6, 16, 16, zeros) << true << true;
    QTest::newRow("arithmetic progressive") << jpeg(0xCA, 16, 16, zeros) << true << true;
    QTest::newRow("arithmetic differential progressive")
        << jpeg(0xCE, 16, 16, zeros) << true << true;

    // Inside the scan, 0xFF 0x00 is a data byte and 0xFF 0xD0-0xD7 a restart marker; a segment
    // read there would run past the end.
    for (int restart = 0xD0; restart <= 0xD7; ++restart) {
        QTest::addRow("restart marker %X", restart)
            << jpeg(0xC0, 16, 16, QByteArray("\x00\xFF", 2) + char(restart) + "\x7F\xFF") << true
            << false;
    }
    QTest::newRow("stuffed byte") << jpeg(0xC0, 16, 16, QByteArray("\xFF\x00\x7F\xFF", 4)) << true
                                  << false;
    QTest::newRow("fill bytes before a marker")
        << jpeg(0xC0, 16, 16, QByteArray("\x00\xFF\xFF\xFF", 4)) << true << false;

    const QByteArray whole = jpeg(0xC2, 16, 16, zeros);
    QTest::newRow("empty") << QByteArray() << false << false;
    QTest::newRow("no start marker") << whole.mid(2) << false << false;
    QTest::newRow("start marker without 0xFF") << '\0' + whole.mid(1) << false << false;
    QTest::newRow("cut in a segment") << whole.left(30) << false << false;
    QTest::newRow("cut in a segment length") << whole.left(5) << false << false;
    QTest::newRow("cut before the end marker") << whole.chopped(2) << false << true;
    QTest::newRow("ends in fill bytes") << whole.chopped(1) + "\xFF" << false << true;
    QTest::newRow("segment length below two")
        << QByteArray("\xFF\xD8\xFF\xE0\x00\x01\xFF\xD9", 8) << false << false;
}

void TestPictureCheck::walkJpeg()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, complete);
    QFETCH(bool, progressive);

    QBuffer buffer(&data);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    Watchdog watchdog(20000, "walking a JPEG");
    const PictureCheck::JpegLayout layout = PictureCheck::walkJpeg(&buffer);
    QCOMPARE(layout.complete, complete);
    QCOMPARE(layout.progressive, progressive);
}

void TestPictureCheck::jpegEndIsTheFirstEmptyRead_data()
{
    QTest::addColumn<QList<QByteArray>>("pieces");

    // Each stream would be whole with its pieces joined; the walk stops at the first read that
    // gives nothing and never counts a byte it has not read.
    const QByteArray whole = jpeg(0xC0, 16, 16, QByteArray(8, '\0'));
    QTest::newRow("before a marker's 0xFF") << QList<QByteArray> {whole.chopped(2), "\xD9"};
    QTest::newRow("after fill bytes") << QList<QByteArray> {whole.chopped(1) + "\xFF", "\xD9"};
    QTest::newRow("inside a segment") << QList<QByteArray> {whole.left(22), whole.mid(22)};
}

void TestPictureCheck::jpegEndIsTheFirstEmptyRead()
{
    QFETCH(QList<QByteArray>, pieces);
    PausingDevice device(pieces);
    QVERIFY(!PictureCheck::walkJpeg(&device).complete);
}

void TestPictureCheck::pngIsWhole_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<qint64>("claimedSize");
    QTest::addColumn<bool>("whole");

    const QByteArray header = PngSignature + pngChunk("IHDR", 13);
    const QByteArray whole = header + pngChunk("IDAT", 300) + pngChunk("IEND", 0);
    QTest::newRow("whole") << whole << qint64(-1) << true;
    QTest::newRow("data after the end") << whole + "trailing" << qint64(-1) << true;
    QTest::newRow("end chunk cut") << whole.chopped(1) << qint64(-1) << false;
    QTest::newRow("no end chunk") << header + pngChunk("IDAT", 300) << qint64(-1) << false;
    QTest::newRow("data chunk cut")
        << (header + pngChunk("IDAT", 300)).chopped(100) << qint64(-1) << false;
    QTest::newRow("signature only") << PngSignature << qint64(-1) << false;
    QTest::newRow("device shorter than its size")
        << whole.left(whole.size() - 12) << qint64(whole.size()) << false;
}

void TestPictureCheck::pngIsWhole()
{
    QFETCH(QByteArray, data);
    QFETCH(qint64, claimedSize);
    QFETCH(bool, whole);

    ShrunkBuffer buffer(&data, claimedSize < 0 ? data.size() : claimedSize);
    QCOMPARE(PictureCheck::pngIsWhole(&buffer), whole);
}

void TestPictureCheck::progressiveCap_data()
{
    QTest::addColumn<uchar>("sof");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("refusedUnread");

    // 16000 x 16000 is exactly 256 megapixels, the most any picture may declare.
    QTest::newRow("progressive over the cap") << uchar(0xC2) << 16001 << true;
    QTest::newRow("progressive at the cap") << uchar(0xC2) << 16000 << false;
    QTest::newRow("baseline over the cap") << uchar(0xC0) << 16001 << true;
    QTest::newRow("baseline at the cap") << uchar(0xC0) << 16000 << false;
}

void TestPictureCheck::progressiveCap()
{
    QFETCH(uchar, sof);
    QFETCH(int, width);
    QFETCH(bool, refusedUnread);

    const QString path = dir.filePath(QStringLiteral("huge.jpg"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    // Bytes enough for the pixels declared.
    QVERIFY(file.write(jpeg(sof, width, 16000, QByteArray(32 * 1024, '\0'))) > 0);
    file.close();

    if (refusedUnread) {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        QVERIFY(PictureCheck::decodePicture(path, 150).isNull());
    } else if (sof == 0xC2) {
        // Let through to the decoder, which runs out of the memory it is allowed.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("[Bb]acking store")));
        QVERIFY(PictureCheck::decodePicture(path, 150).isNull());
    } else {
        // Decoded at a reduced size; the decoder fills in the short scan, with a complaint.
        const QImage image = PictureCheck::decodePicture(path, 150);
        QVERIFY(!image.isNull());
        QVERIFY(image.width() >= 150 && image.width() <= 2001);
    }
}

void TestPictureCheck::allocationLimit_data()
{
    QTest::addColumn<int>("megabytes");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("readable");

    // A limit of 0 is the toolkit's way of saying there is none. 512 x 512 pixels of 32 bits are
    // exactly 1 MB.
    QTest::newRow("no limit") << 0 << QSize(600, 600) << true;
    QTest::newRow("at the limit") << 1 << QSize(512, 512) << true;
    QTest::newRow("over the limit") << 1 << QSize(513, 512) << false;
}

void TestPictureCheck::allocationLimit()
{
    QFETCH(int, megabytes);
    QFETCH(QSize, size);
    QFETCH(bool, readable);

    // A BMP, which is decoded whole.
    const QString path = dir.filePath(QStringLiteral("limit.bmp"));
    QVERIFY(writeRegionPicture(path, size, "BMP"));
    const int previous = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(megabytes);
    const QImage image = PictureCheck::decodePicture(path, 150);
    QImageReader::setAllocationLimit(previous);
    QCOMPARE(image.size(), readable ? size : QSize(0, 0));
}

void TestPictureCheck::reducedSize_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("read");

    // A JPEG or PNG is decoded at the smallest size of its shape that covers 150 x 150; one that
    // does not cover it keeps its size, and so does a format decoded whole.
    QTest::newRow("jpeg larger both ways")
        << QByteArray("JPEG") << QSize(1600, 1200) << QSize(200, 150);
    QTest::newRow("jpeg narrower one way")
        << QByteArray("JPEG") << QSize(600, 100) << QSize(600, 100);
    QTest::newRow("jpeg lower one way") << QByteArray("JPEG") << QSize(90, 400) << QSize(90, 400);
    QTest::newRow("jpeg as wide as the board")
        << QByteArray("JPEG") << QSize(150, 600) << QSize(150, 600);
    QTest::newRow("png larger both ways")
        << QByteArray("PNG") << QSize(400, 300) << QSize(200, 150);
    QTest::newRow("bmp larger both ways")
        << QByteArray("BMP") << QSize(400, 300) << QSize(400, 300);
}

void TestPictureCheck::reducedSize()
{
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QFETCH(QSize, read);

    const QString path = dir.filePath(QStringLiteral("picture.") + QString::fromLatin1(format));
    QVERIFY(writeRegionPicture(path, size, format.constData()));
    QCOMPARE(PictureCheck::decodePicture(path, 150).size(), read);
}

QString TestPictureCheck::write(const QString &name, const QByteArray &data)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size())
        return QString();
    return path;
}

void TestPictureCheck::upright_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<int>("orientation");
    // The stored picture's corner cells a (top left), b (top right), c (bottom left) and
    // d (bottom right), as they are shown: top left, top right, bottom left, bottom right.
    QTest::addColumn<QString>("corners");

    const char *shown[] = {"abcd", "badc", "dcba", "cdab", "acbd", "cadb", "dbca", "bdac"};
    for (const char *format : {"jpeg", "png", "interlaced png", "webp", "tiff"}) {
        for (int orientation = 1; orientation <= 8; ++orientation) {
            QTest::addRow("%s %d", format, orientation)
                << QByteArray(format) << orientation << QString::fromLatin1(shown[orientation - 1]);
        }
    }
}

void TestPictureCheck::upright()
{
    QFETCH(QByteArray, format);
    QFETCH(int, orientation);
    QFETCH(QString, corners);

    // Two cells across and three down, 8 x 8 pixels each.
    QImage picture(16, 24, QImage::Format_RGB32);
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 16; ++x)
            picture.setPixel(x, y, regionColour(x / 8, y / 8).rgb());
    }
    const QByteArray data = format.endsWith("png")
        ? png(picture, format.startsWith("interlaced"), orientation)
        : encoded(picture, format.constData(), orientation);
    const QImage image = PictureCheck::decodePicture(write(QStringLiteral("upright"), data), 150);

    const bool turned = orientation >= 5;
    QCOMPARE(image.size(), turned ? QSize(24, 16) : QSize(16, 24));
    const QPoint cornerPixels[] = {{1, 1}, {image.width() - 2, 1}, {1, image.height() - 2},
        {image.width() - 2, image.height() - 2}};
    for (int i = 0; i < 4; ++i) {
        const int cell = corners.at(i).toLatin1() - 'a';
        const QColor expected = regionColour(cell % 2, cell / 2 * 2);
        const QColor actual = image.pixelColor(cornerPixels[i]);
        QVERIFY2(qAbs(actual.red() - expected.red()) + qAbs(actual.green() - expected.green())
                    + qAbs(actual.blue() - expected.blue())
                < 60,
            qPrintable(QStringLiteral("corner %1 is %2, expected %3")
                           .arg(i)
                           .arg(actual.name(), expected.name())));
    }
}

void TestPictureCheck::seeThrough_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QColor>("colour");
    // Half see-through, and opaque: each keeps its colour, alpha and all.
    for (const char *format : {"png", "tiff", "webp"}) {
        QTest::addRow("%s, half", format) << QByteArray(format) << QColor(200, 100, 40, 128);
        QTest::addRow("%s, opaque", format) << QByteArray(format) << QColor(200, 100, 40);
    }
}

void TestPictureCheck::seeThrough()
{
    QFETCH(QByteArray, format);
    QFETCH(QColor, colour);
    QImage picture(4, 4, colour.alpha() < 255 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    picture.fill(colour);
    const QImage image = PictureCheck::decodePicture(
        write(QStringLiteral("alpha.") + format, encoded(picture, format.constData())), 150);
    QCOMPARE(image.hasAlphaChannel(), colour.alpha() < 255);
    const QColor actual = image.pixelColor(2, 2);
    QVERIFY2(qAbs(actual.red() - colour.red()) + qAbs(actual.green() - colour.green())
                + qAbs(actual.blue() - colour.blue()) + qAbs(actual.alpha() - colour.alpha())
            < 8,
        qPrintable(actual.name(QColor::HexArgb)));
}

void TestPictureCheck::brokenOrLying_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<qint64>("length"); // a hole up to this length; 0 keeps the file as it is

    // Each whole picture reads; cut short, or declaring far more than its bytes hold, it does
    // not, and a hole of any length costs nothing.
    const QImage picture = QImage(60, 40, QImage::Format_RGB32);
    const auto cut = [](const QByteArray &data) { return data.left(data.size() * 7 / 10); };
    const QByteArray gif("GIF89a\x01\0\x01\0\x80\0\0\xFF\0\0\0\0\0,\0\0\0\0\x01\0\x01\0\0\x02\x02"
                         "D\x01\0;",
        35);
    const QByteArray bmp = encoded(picture, "bmp");
    const QByteArray webp = encoded(picture, "webp");
    const QByteArray tiff = encoded(picture, "tiff");
    const QByteArray interlaced = png(picture, true);
    QTest::newRow("whole gif") << write("whole.gif", gif) << qint64(0);
    QTest::newRow("gif without its trailer") << write("cut.gif", gif.chopped(1)) << qint64(0);
    QTest::newRow("cut bmp") << write("cut.bmp", cut(bmp)) << qint64(0);
    QByteArray wideBmp = bmp;
    qToLittleEndian<qint32>(-580190699, wideBmp.data() + 18);
    QTest::newRow("bmp of a width past all sizes") << write("wide.bmp", wideBmp) << qint64(0);
    QTest::newRow("cut webp") << write("cut.webp", cut(webp)) << qint64(0);
    QTest::newRow("cut tiff") << write("cut.tiff", cut(tiff)) << qint64(0);
    QTest::newRow("cut interlaced png") << write("cut.png", cut(interlaced)) << qint64(0);

    QTest::newRow("progressive jpeg declaring 15999 x 15999")
        << write("lying.jpg", jpeg(0xC2, 15999, 15999, QByteArray(400, '\0'))) << qint64(0);
    QTest::newRow("baseline jpeg declaring 46336 x 46336")
        << write("lying2.jpg", jpeg(0xC0, 46336, 46336, QByteArray(500, '\0'))) << qint64(0);
    QTest::newRow("png signature, then a hole of 1 GB")
        << write("hole.png", PngSignature) << (qint64(1) << 30);
    QTest::newRow("jpeg start, then a hole of 10 GB")
        << write("hole.jpg", "\xFF\xD8") << (qint64(10) << 30);
    QTest::newRow("jpeg scan, then a hole of 10 GB")
        << write("scanhole.jpg", jpeg(0xC0, 64, 64).chopped(2)) << (qint64(10) << 30);
    QTest::newRow("tiff header, then a hole of 10 GB")
        << write("hole.tiff", tiff.left(8)) << (qint64(10) << 30);
}

void TestPictureCheck::brokenOrLying()
{
    QFETCH(QString, path);
    QFETCH(qint64, length);
    if (length > 0) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.resize(length));
    }
    const bool whole = QFileInfo(path).fileName().startsWith(QLatin1String("whole"));
    Watchdog watchdog(20000, "decoding a broken picture");
    QCOMPARE(PictureCheck::decodePicture(path, 150).isNull(), !whole);
}

PLIVORA_TEST_MAIN(TestPictureCheck)
#include "tst_picturecheck.moc"
