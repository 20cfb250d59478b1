// SPDX-License-Identifier: GPL-3.0-or-later
#include "imageloader.h"
#include "testsupport.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsItemGroup>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QImageReader>
#include <QImageWriter>
#include <QPen>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace TestSupport;

namespace {

void deleteItems(QList<QGraphicsItem *> &items)
{
    qDeleteAll(items);
    items.clear();
}

bool isNumberedSet(const QList<QGraphicsItem *> &items)
{
    if (items.size() != 9)
        return false;
    for (int i = 0; i < 9; ++i) {
        if (items.at(i)->type() != QGraphicsItemGroup::Type)
            return false;
        const auto *text =
            qgraphicsitem_cast<QGraphicsSimpleTextItem *>(items.at(i)->childItems().value(0));
        if (!text || text->text() != (i == 0 ? QString() : QString::number(i)))
            return false;
    }
    return true;
}

// A checkerboard of square cells, black at the top-left corner.
bool writeCheckerboard(const QString &path, int size, int cell, const char *format)
{
    QImage image(size, size, QImage::Format_Grayscale8);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x)
            image.scanLine(y)[x] = (x / cell + y / cell) % 2 ? 255 : 0;
    }
    QImageWriter writer(path, format);
    writer.setQuality(100);
    return writer.write(image);
}

bool closeTo(const QColor &a, const QColor &b, int tolerance)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}

} // namespace

class TestImageLoader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void numberedTiles_data();
    void numberedTiles();
    void notAPicture_data();
    void notAPicture();
    void pictureTiles_data();
    void pictureTiles();
    void squarePictureKeepsItsPixels();
    void tilesForTheScreenRatio_data();
    void tilesForTheScreenRatio();
    void pictureReadAgain_data();
    void pictureReadAgain();

private:
    QString path(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

void TestImageLoader::initTestCase()
{
    QVERIFY(dir.isValid());
}

void TestImageLoader::numberedTiles_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::newRow("3 x 3") << 3 << 3;
    QTest::newRow("4 x 2") << 4 << 2;
}

void TestImageLoader::numberedTiles()
{
    QFETCH(int, w);
    QFETCH(int, h);
    ImageLoader loader(nullptr);
    QList<QGraphicsItem *> items = loader.GetDefault(w, h);
    QCOMPARE(items.size(), w * h);
    for (int i = 0; i < items.size(); ++i) {
        QGraphicsItem *group = items.at(i);
        QCOMPARE(group->type(), int(QGraphicsItemGroup::Type));
        QCOMPARE(group->parentItem(), nullptr);
        QCOMPARE(group->scene(), nullptr);
        QCOMPARE(group->pos(), QPointF((i % w) * 50, (i / w) * 50));
        QCOMPARE(group->boundingRect(), QRectF(0, 0, 50, 50));
        for (int key = 0; key <= 4; ++key)
            QVERIFY(!group->data(key).isValid());

        const QList<QGraphicsItem *> children = group->childItems();
        QCOMPARE(children.size(), 2);
        auto *text = qgraphicsitem_cast<QGraphicsSimpleTextItem *>(children.at(0));
        auto *rect = qgraphicsitem_cast<QGraphicsRectItem *>(children.at(1));
        QVERIFY(text);
        QVERIFY(rect);
        QCOMPARE(text->text(), i == 0 ? QString() : QString::number(i));
        QCOMPARE(text->pos(), QPointF(15, 15));
        QCOMPARE(rect->rect(), QRectF(0, 0, 50, 50));
        QCOMPARE(rect->boundingRect(), QRectF(0, 0, 50, 50));
    }
    deleteItems(items);
}

void TestImageLoader::notAPicture_data()
{
    QTest::addColumn<QString>("file");

    QVERIFY(writeRegionPicture(path("whole.png"), QSize(300, 300)));
    QVERIFY(writeRegionPicture(path("whole.jpg"), QSize(300, 300), "JPEG"));
    QFile png(path("whole.png"));
    QVERIFY(png.open(QIODevice::ReadOnly));
    const QByteArray pngData = png.readAll();
    QFile jpeg(path("whole.jpg"));
    QVERIFY(jpeg.open(QIODevice::ReadOnly));
    const QByteArray jpegData = jpeg.readAll();

    const auto write = [this](const QString &name, const QByteArray &data) {
        QFile file(path(name));
        return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
    };
    QVERIFY(write("text.png", "this is not a picture\n"));
    QVERIFY(write("empty.png", QByteArray()));
    QVERIFY(write("cut.png", pngData.left(pngData.size() * 6 / 10)));
    QVERIFY(write("no-end-chunk.png", pngData.left(pngData.size() - 12)));
    QVERIFY(write("cut-scan.jpg", jpegData.left(jpegData.size() * 6 / 10)));
    QVERIFY(write("cut-header.jpg", jpegData.left(100)));
    QVERIFY(write("no-end-marker.jpg", jpegData.left(jpegData.size() - 2)));
    QVERIFY(::mkfifo(QFile::encodeName(path("fifo.png")).constData(), 0600) == 0);
    // Past the most pixels any picture may have, and far more than its bytes could hold.
    QVERIFY(writeZeroPng(path("bomb.png"), 17000, 17000));
    QVERIFY(QFileInfo(path("bomb.png")).size() < 8 * 1024 * 1024);

    QTest::newRow("empty name") << QString();
    QTest::newRow("missing") << path("missing.png");
    QTest::newRow("text") << path("text.png");
    QTest::newRow("empty file") << path("empty.png");
    QTest::newRow("directory") << dir.path();
    QTest::newRow("fifo") << path("fifo.png");
    QTest::newRow("device") << QStringLiteral("/dev/zero");
    QTest::newRow("truncated png") << path("cut.png");
    QTest::newRow("png without end chunk") << path("no-end-chunk.png");
    QTest::newRow("jpeg cut in its scan") << path("cut-scan.jpg");
    QTest::newRow("jpeg cut in its header") << path("cut-header.jpg");
    QTest::newRow("jpeg without end marker") << path("no-end-marker.jpg");
    QTest::newRow("png declaring 17000 x 17000") << path("bomb.png");
}

void TestImageLoader::notAPicture()
{
    QFETCH(QString, file);
    // Refused before a decoder sees it, so without the decoders' complaints either.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    ImageLoader loader(nullptr);
    QList<QGraphicsItem *> items;
    {
        Watchdog watchdog(10000, "loading a file that is no picture");
        items = loader.LoadAndSplitImage(file, 3, 3);
    }
    QVERIFY(isNumberedSet(items));
    deleteItems(items);
}

void TestImageLoader::pictureTiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("tolerance");

    QVERIFY(writeRegionPicture(path("square.png"), QSize(150, 150)));
    QVERIFY(writeRegionPicture(path("wide.png"), QSize(300, 150)));
    QVERIFY(writeRegionPicture(path("small.bmp"), QSize(90, 60), "BMP"));
    // Beyond the allocation limit when whole; read at a reduced size.
    QVERIFY(writeRegionPicture(path("photo.jpg"), QSize(6000, 6000), "JPEG"));
    QVERIFY(writeRegionPicture(path("progressive.jpg"), QSize(600, 450), "JPEG", true));
    QVERIFY(writeRegionPicture(path("motion.jpg"), QSize(300, 300), "JPEG"));
    QFile motion(path("motion.jpg"));
    QVERIFY(motion.open(QIODevice::Append));
    motion.write(QByteArray(4096, '\x42')); // data after the end marker, as motion photos carry
    motion.close();

    QTest::newRow("150 x 150 png") << path("square.png") << 0;
    QTest::newRow("300 x 150 png, squeezed") << path("wide.png") << 0;
    QTest::newRow("90 x 60 bmp, stretched") << path("small.bmp") << 0;
    QTest::newRow("6000 x 6000 jpeg") << path("photo.jpg") << 24;
    QTest::newRow("progressive jpeg") << path("progressive.jpg") << 24;
    QTest::newRow("jpeg with data after it") << path("motion.jpg") << 24;
}

void TestImageLoader::pictureTiles()
{
    QFETCH(QString, file);
    QFETCH(int, tolerance);

    ImageLoader loader(nullptr);
    QList<QGraphicsItem *> items = loader.LoadAndSplitImage(file, 3, 3);
    QCOMPARE(items.size(), 9);
    for (int i = 0; i < 9; ++i) {
        auto *tile = qgraphicsitem_cast<QGraphicsPixmapItem *>(items.at(i));
        QVERIFY2(tile, "expected a picture tile");
        QCOMPARE(tile->pos(), QPointF(0, 0));
        QCOMPARE(tile->scene(), nullptr);
        for (int key = 0; key <= 4; ++key)
            QVERIFY(!tile->data(key).isValid());
        const QImage piece = tile->pixmap().toImage();
        QCOMPARE(piece.size(), QSize(50, 50));

        // Each piece is the ninth of the picture in the same place. Lossy pictures are looked
        // at away from the edges, where the regions bleed into each other.
        const QColor expected = regionColour(i % 3, i / 3);
        const int margin = tolerance ? 6 : 0;
        for (int y = margin; y < 50 - margin; ++y) {
            for (int x = margin; x < 50 - margin; ++x) {
                if (!closeTo(piece.pixelColor(x, y), expected, tolerance)) {
                    QFAIL(qPrintable(QStringLiteral("piece %1 at (%2, %3) is %4, expected %5")
                                         .arg(i)
                                         .arg(x)
                                         .arg(y)
                                         .arg(piece.pixelColor(x, y).name(), expected.name())));
                }
            }
        }
    }
    deleteItems(items);
}

void TestImageLoader::squarePictureKeepsItsPixels()
{
    QImage picture(150, 150, QImage::Format_RGB32);
    for (int y = 0; y < 150; ++y) {
        for (int x = 0; x < 150; ++x)
            picture.setPixel(x, y, qRgb(x, y, (x * 7 + y * 3) % 256));
    }
    QVERIFY(picture.save(path("gradient.png")));

    ImageLoader loader(nullptr);
    QList<QGraphicsItem *> items = loader.LoadAndSplitImage(path("gradient.png"), 3, 3);
    QCOMPARE(items.size(), 9);
    for (int i = 0; i < 9; ++i) {
        const QImage piece = qgraphicsitem_cast<QGraphicsPixmapItem *>(items.at(i))
                                 ->pixmap()
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(piece, picture.copy((i % 3) * 50, (i / 3) * 50, 50, 50));
    }
    deleteItems(items);
}

void TestImageLoader::tilesForTheScreenRatio_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("piecePixels");
    QTest::addColumn<int>("tolerance");

    // Pictures of exactly three tiles a side, in one-pixel squares: every pixel must survive.
    for (int size : {150, 168, 189, 225, 300, 450, 1200})
        QVERIFY(writeCheckerboard(path(QStringLiteral("checker%1.png").arg(size)), size, 1, "PNG"));
    QVERIFY(writeCheckerboard(path("checker@2x.png"), 150, 1, "PNG"));
    // Reduced while decoded: to one-pixel squares when decoded towards 300 pixels, to grey if
    // decoded towards 150 and blown up.
    QVERIFY(writeCheckerboard(path("squares.jpg"), 1200, 4, "JPEG"));

    QTest::newRow("1") << 1.0 << path("checker150.png") << 50 << 0;
    // 56 pixels measure a hair less than 50 units at a ratio of 56 / 50.0.
    QTest::newRow("1.12") << 1.12 << path("checker168.png") << 56 << 0;
    QTest::newRow("1.25") << 1.25 << path("checker189.png") << 63 << 0;
    QTest::newRow("1.5") << 1.5 << path("checker225.png") << 75 << 0;
    QTest::newRow("2") << 2.0 << path("checker300.png") << 100 << 0;
    QTest::newRow("3") << 3.0 << path("checker450.png") << 150 << 0;
    QTest::newRow("2, large jpeg") << 2.0 << path("squares.jpg") << 100 << 24;
    QTest::newRow("1, file named @2x") << 1.0 << path("checker@2x.png") << 50 << 0;
    QTest::newRow("0.5 counts as 1") << 0.5 << path("checker150.png") << 50 << 0;
    QTest::newRow("not a number counts as 1") << qQNaN() << path("checker150.png") << 50 << 0;
    QTest::newRow("100 is capped") << 100.0 << path("checker1200.png") << 400 << 0;
}

void TestImageLoader::tilesForTheScreenRatio()
{
    QFETCH(qreal, ratio);
    QFETCH(QString, file);
    QFETCH(int, piecePixels);
    QFETCH(int, tolerance);

    ImageLoader loader(nullptr);
    loader.setDevicePixelRatio(ratio);
    QList<QGraphicsItem *> items = loader.LoadAndSplitImage(file, 3, 3);
    QCOMPARE(items.size(), 9);
    for (int i = 0; i < 9; ++i) {
        auto *tile = qgraphicsitem_cast<QGraphicsPixmapItem *>(items.at(i));
        QVERIFY2(tile, "expected a picture tile");
        // 50 x 50 units, also as the board view measures them, in whole units.
        const QRectF bounds = tile->boundingRect();
        QCOMPARE(bounds, QRectF(0, 0, 50, 50));
        QCOMPARE(int(bounds.width()), 50);
        QCOMPARE(int(bounds.height()), 50);
        // A whole ratio is the pixmap's own, so that it is drawn pixel for pixel.
        if (piecePixels % 50 == 0)
            QVERIFY(tile->pixmap().devicePixelRatio() == piecePixels / 50);

        const QImage piece = tile->pixmap().toImage().convertToFormat(QImage::Format_Grayscale8);
        QCOMPARE(piece.size(), QSize(piecePixels, piecePixels));
        for (int y = 0; y < piecePixels; ++y) {
            for (int x = 0; x < piecePixels; ++x) {
                const int px = (i % 3) * piecePixels + x;
                const int py = (i / 3) * piecePixels + y;
                const int expected = (px + py) % 2 ? 255 : 0;
                const int value = piece.constScanLine(y)[x];
                if (qAbs(value - expected) > tolerance) {
                    QFAIL(qPrintable(QStringLiteral("piece %1 at (%2, %3) is %4, expected %5")
                                         .arg(i)
                                         .arg(x)
                                         .arg(y)
                                         .arg(value)
                                         .arg(expected)));
                }
            }
        }
    }
    deleteItems(items);
}

void TestImageLoader::pictureReadAgain_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("piecePixels"); // 0: numbered tiles
    QTest::addColumn<QColor>("colour");
    QTest::newRow("rewritten, same size and time") << "rewritten" << 50 << QColor(Qt::black);
    QTest::newRow("allocation limit lowered") << "limit" << 0 << QColor();
    QTest::newRow("screen ratio changed") << "ratio" << 100 << QColor(Qt::white);
}

void TestImageLoader::pictureReadAgain()
{
    // A file read again gives the picture it holds now, at the size and within the limit that
    // hold now, whatever the loader kept from the first read.
    QFETCH(QString, change);
    QFETCH(int, piecePixels);
    QFETCH(QColor, colour);
    const QString file = path("again.bmp");
    // 600 x 600 at 8 bits a pixel: a file of less than 1 MB, a pixmap of more.
    QImage picture(600, 600, QImage::Format_Indexed8);
    picture.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    picture.fill(0);
    QVERIFY(picture.save(file, "BMP"));
    const QDateTime modified = QFileInfo(file).lastModified();
    const qint64 size = QFileInfo(file).size();
    ImageLoader loader(nullptr);
    QList<QGraphicsItem *> items = loader.LoadAndSplitImage(file, 3, 3);
    QVERIFY(!isNumberedSet(items));
    deleteItems(items);

    const int limit = QImageReader::allocationLimit();
    if (change == "rewritten") {
        picture.fill(1);
        QVERIFY(picture.save(file, "BMP"));
        QFile rewritten(file);
        QVERIFY(rewritten.open(QIODevice::ReadWrite));
        QVERIFY(rewritten.setFileTime(modified, QFileDevice::FileModificationTime));
        QCOMPARE(rewritten.size(), size);
    } else if (change == "limit") {
        QImageReader::setAllocationLimit(1); // megabytes
    } else {
        loader.setDevicePixelRatio(2);
    }
    items = loader.LoadAndSplitImage(file, 3, 3);
    QImageReader::setAllocationLimit(limit);

    if (piecePixels == 0) {
        QVERIFY(isNumberedSet(items));
    } else {
        QCOMPARE(items.size(), 9);
        const QImage piece =
            qgraphicsitem_cast<QGraphicsPixmapItem *>(items.at(4))->pixmap().toImage();
        QCOMPARE(piece.size(), QSize(piecePixels, piecePixels));
        QCOMPARE(piece.pixelColor(piecePixels / 2, piecePixels / 2), colour);
    }
    deleteItems(items);
}

PLIVORA_TEST_MAIN(TestImageLoader)
#include "tst_imageloader.moc"
