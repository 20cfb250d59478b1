// SPDX-License-Identifier: GPL-3.0-or-later
#include "heifpicture.h"
#include "testsupport.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QTransform>

// The game's HEIF plugin, from the build's plugin folder, as the toolkit's readers use it: HEIC
// pictures that libheif's own encoder writes, read by their content alone.
class TestHeifPlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void reads_data();
    void reads();

private:
    // A picture of four coloured quadrants.
    static QImage quadrants(const QSize &size);

    QTemporaryDir dir;
};

QImage TestHeifPlugin::quadrants(const QSize &size)
{
    QImage image(size, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    const int w = size.width() / 2;
    const int h = size.height() / 2;
    painter.fillRect(0, 0, w, h, Qt::red);
    painter.fillRect(w, 0, w, h, Qt::green);
    painter.fillRect(0, h, w, h, Qt::blue);
    return image;
}

void TestHeifPlugin::initTestCase()
{
    QVERIFY(dir.isValid());
    QCoreApplication::addLibraryPath(QStringLiteral(PLIVORA_BUILD_PLUGINDIR));
}

void TestHeifPlugin::reads_data()
{
    QTest::addColumn<QSize>("stored");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("thumbnailBox");
    QTest::addColumn<QSize>("scaledSize");
    QTest::addColumn<int>("allocationLimit");
    QTest::addColumn<QTransform>("upright");
    QTest::addColumn<bool>("fromThumbnail");
    QTest::addColumn<bool>("truncated");

    const QSize none;
    // The file's rotation and mirroring are applied once, whether or not the reader transforms.
    QTest::newRow("plain") << QSize(64, 48) << 1 << 0 << none << 128 << QTransform() << false
                           << false;
    QTest::newRow("turned a quarter")
        << QSize(64, 48) << 6 << 0 << none << 128 << QTransform().rotate(90) << false << false;
    QTest::newRow("mirrored") << QSize(64, 48) << 2 << 0 << none << 128 << QTransform().scale(-1, 1)
                              << false << false;
    // The smallest picture that is large enough is decoded: the thumbnail, of its own content
    // here, and the primary picture when the thumbnail is too small. A picture over the toolkit's
    // allocation limit is not decoded.
    QTest::newRow("thumbnail at a scaled size") << QSize(128, 96) << 6 << 64 << QSize(24, 32) << 128
                                                << QTransform().rotate(90) << true << false;
    QTest::newRow("thumbnail too small")
        << QSize(128, 96) << 1 << 32 << QSize(40, 30) << 128 << QTransform() << false << false;
    QTest::newRow("over the limit")
        << QSize(640, 480) << 1 << 0 << QSize(40, 30) << 1 << QTransform() << false << false;
    QTest::newRow("truncated") << QSize(64, 48) << 1 << 0 << none << 128 << QTransform() << false
                               << true;
}

void TestHeifPlugin::reads()
{
    QFETCH(QSize, stored);
    QFETCH(int, orientation);
    QFETCH(int, thumbnailBox);
    QFETCH(QSize, scaledSize);
    QFETCH(int, allocationLimit);
    QFETCH(QTransform, upright);
    QFETCH(bool, fromThumbnail);
    QFETCH(bool, truncated);

    // No suffix: the reader finds the format by the file's content.
    const QString path = dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    const QImage picture = quadrants(stored);
    QImage thumbnail(stored, QImage::Format_RGB888);
    thumbnail.fill(Qt::yellow);
    QVERIFY(HeifPicture::write(path, picture, orientation, thumbnail, thumbnailBox));
    if (truncated) {
        QFile file(path);
        QVERIFY(file.resize(file.size() * 2 / 3));
    }

    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(allocationLimit);
    const auto restore = qScopeGuard([limit] { QImageReader::setAllocationLimit(limit); });
    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (scaledSize.isValid())
        reader.setScaledSize(scaledSize);
    QCOMPARE(reader.format(), QByteArray("heif"));
    const QImage read = reader.read();
    const QImage expected = (fromThumbnail ? thumbnail : picture).transformed(upright);
    if (truncated || allocationLimit == 1) {
        QVERIFY(read.isNull());
        return;
    }
    QCOMPARE(reader.size(), expected.size());
    QCOMPARE(reader.transformation(), QImageIOHandler::TransformationNone);
    QCOMPARE(read.size(), scaledSize.isValid() ? scaledSize : expected.size());

    // The centre of each quadrant, within the loss of the encoding.
    for (const QPointF &at :
        {QPointF(0.25, 0.25), QPointF(0.75, 0.25), QPointF(0.25, 0.75), QPointF(0.75, 0.75)}) {
        const QColor got = read.pixelColor(int(at.x() * read.width()), int(at.y() * read.height()));
        const QColor want =
            expected.pixelColor(int(at.x() * expected.width()), int(at.y() * expected.height()));
        QVERIFY2(qAbs(got.red() - want.red()) + qAbs(got.green() - want.green())
                    + qAbs(got.blue() - want.blue())
                < 48,
            qPrintable(QStringLiteral("%1 for %2").arg(got.name(), want.name())));
    }
}

PLIVORA_TEST_MAIN(TestHeifPlugin)
#include "tst_heifplugin.moc"
