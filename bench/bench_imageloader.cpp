// SPDX-License-Identifier: GPL-3.0-or-later
// How long cutting a picture into tiles takes: the default picture (every start and new game)
// and large photos. A large picture of another format than JPEG is read at full size, so its row
// also shows in the peak memory of a run on that row alone (/usr/bin/time -f %M).
#include "imageloader.h"

#include <QApplication>
#include <QGraphicsItem>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtTest/QTest>

class BenchImageLoader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void load_data();
    void load();

private:
    QTemporaryDir dir;
};

void BenchImageLoader::initTestCase()
{
    QVERIFY(dir.isValid());
    for (const QSize &size : {QSize(4000, 3000), QSize(8000, 6000)}) {
        QImage photo(size, QImage::Format_Indexed8);
        photo.setColorTable({qRgb(200, 40, 40), qRgb(40, 200, 40), qRgb(40, 40, 200)});
        for (int y = 0; y < size.height(); ++y) {
            uchar *line = photo.scanLine(y);
            for (int x = 0; x < size.width(); ++x)
                line[x] = uchar((x / 97 + y / 89) % 3);
        }
        QVERIFY(QImageWriter(dir.filePath(QStringLiteral("photo%1.jpg").arg(size.width())))
                    .write(photo));
    }
    QImage screenshot(QSize(5600, 5600), QImage::Format_ARGB32);
    for (int y = 0; y < screenshot.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(screenshot.scanLine(y));
        for (int x = 0; x < screenshot.width(); ++x)
            line[x] = qRgba(x / 22, y / 22, (x + y) / 44, 255 - y / 44);
    }
    QVERIFY(QImageWriter(dir.filePath(QStringLiteral("screenshot.png"))).write(screenshot));
}

void BenchImageLoader::load_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("default.png") << QStringLiteral(PLIVORA_DEFAULT_PICTURE);
    QTest::newRow("12 MP jpeg") << dir.filePath(QStringLiteral("photo4000.jpg"));
    QTest::newRow("48 MP jpeg") << dir.filePath(QStringLiteral("photo8000.jpg"));
    QTest::newRow("31 MP png") << dir.filePath(QStringLiteral("screenshot.png"));
    QTest::newRow("no picture") << QString();
}

void BenchImageLoader::load()
{
    QFETCH(QString, file);
    QBENCHMARK
    {
        // A loader of its own each time: one keeps the last small picture it made.
        ImageLoader loader;
        QList<QGraphicsItem *> items = loader.LoadAndSplitImage(file, 3, 3);
        qDeleteAll(items);
    }
}

QTEST_MAIN(BenchImageLoader)
#include "bench_imageloader.moc"
