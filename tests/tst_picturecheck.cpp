// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturecheck.h"
#include "testsupport.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>

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

private:
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

    // 16000 x 16000 is exactly 256 megapixels, the most a progressive picture may declare.
    QTest::newRow("progressive over the cap") << uchar(0xC2) << 16001 << true;
    QTest::newRow("progressive at the cap") << uchar(0xC2) << 16000 << false;
    QTest::newRow("baseline over the cap") << uchar(0xC0) << 16001 << false;
}

void TestPictureCheck::progressiveCap()
{
    QFETCH(uchar, sof);
    QFETCH(int, width);
    QFETCH(bool, refusedUnread);

    const QString path = dir.filePath(QStringLiteral("huge.jpg"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QVERIFY(file.write(jpeg(sof, width, 16000, QByteArray(64, '\0'))) > 0);
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

    const QString path = dir.filePath(QStringLiteral("limit.png"));
    QVERIFY(writeRegionPicture(path, size));
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

    // A JPEG is decoded at the smallest size of its shape that covers 150 x 150; one that does
    // not cover it keeps its size, and so does every other format.
    QTest::newRow("jpeg larger both ways")
        << QByteArray("JPEG") << QSize(1600, 1200) << QSize(200, 150);
    QTest::newRow("jpeg narrower one way")
        << QByteArray("JPEG") << QSize(600, 100) << QSize(600, 100);
    QTest::newRow("jpeg lower one way") << QByteArray("JPEG") << QSize(90, 400) << QSize(90, 400);
    QTest::newRow("jpeg as wide as the board")
        << QByteArray("JPEG") << QSize(150, 600) << QSize(150, 600);
    QTest::newRow("png larger both ways")
        << QByteArray("PNG") << QSize(400, 300) << QSize(400, 300);
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

PLIVORA_TEST_MAIN(TestPictureCheck)
#include "tst_picturecheck.moc"
