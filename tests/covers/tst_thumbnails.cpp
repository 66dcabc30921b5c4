// SPDX-License-Identifier: GPL-3.0-or-later
// Cover thumbnails: what is decoded and what is refused, and the disk cache that keeps them.
#include "covers/ScaledCover.h"
#include "covers/ThumbnailLoader.h"
#include "support/CatalogueFolder.h"

#include <QBuffer>
#include <QDateTime>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

namespace {

QImage filled(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QByteArray jpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
    return bytes;
}

// A small JPEG whose frame header claims `side` by `side` pixels.
QByteArray claimingJpeg(int side) {
    QByteArray bytes = jpeg(filled({8, 8}, Qt::gray));
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    for (int at : {5, 7}) {
        bytes[frame + at] = char(side >> 8);
        bytes[frame + at + 1] = char(side & 0xFF);
    }
    return bytes;
}

// A picture that compresses badly, so that its size in the cache is known roughly.
QImage noise(quint32 seed) {
    QImage image(100, 150, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, random.generate() | 0xFF000000);
    return image;
}

} // namespace

class TestThumbnails : public QObject {
    Q_OBJECT

    const QSize box{100, 150};

    // The loader's thumbnail of `cover`, once its worker is done.
    std::optional<QImage> load(ThumbnailLoader& loader, const QString& cover) {
        QSignalSpy ready(&loader, &ThumbnailLoader::ready);
        loader.want({cover}, box);
        if (!ready.wait(5000))
            return std::nullopt;
        return loader.find(cover, box);
    }

private Q_SLOTS:
    // A cover is decoded at the size shown, its proportions kept; anything else is no cover.
    void scaledCover_data() {
        QTest::addColumn<QByteArray>("bytes"); // empty: a special file of the kind in `special`
        QTest::addColumn<int>("special");
        QTest::addColumn<QSize>("size"); // empty: refused
        QTest::newRow("JPEG") << jpeg(filled({300, 450}, Qt::red)) << 0 << QSize(100, 150);
        QTest::newRow("wide JPEG") << jpeg(filled({600, 300}, Qt::red)) << 0 << QSize(100, 50);
        QTest::newRow("not a picture") << QByteArray("GIF89a but no more") << 0 << QSize(0, 0);
        QTest::newRow("empty") << QByteArray() << -1 << QSize(0, 0);
        QTest::newRow("20000 x 20000 header") << claimingJpeg(20000) << 0 << QSize(0, 0);
        QTest::newRow("FIFO") << QByteArray() << int(Special::Fifo) << QSize(0, 0);
        QTest::newRow("link to /dev/zero") << QByteArray() << int(Special::DevZero) << QSize(0, 0);
        QTest::newRow("folder") << QByteArray() << int(Special::Folder) << QSize(0, 0);
    }
    void scaledCover() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, special);
        CatalogueFolder folder;
        const QString path = folder.dbPath() + "1.jpg";
        if (special > 0)
            QVERIFY(MakeSpecial(path, Special(special)));
        else
            folder.write("1.jpg", bytes);
        QTEST(ScaledCover(path, box).size(), "size");
    }

    // The disk cache knows a cover by its path, size and time: one replaced is made again,
    // one unchanged is found by the next session.
    void changedCoverIsRedone() {
        CatalogueFolder folder;
        const QString cover = folder.dbPath() + "Covers/7.jpg";
        folder.write("Covers/7.jpg", jpeg(filled({300, 450}, Qt::red)));
        const QString cache = folder.dbPath() + "cache";
        {
            ThumbnailLoader loader(cache);
            const std::optional<QImage> red = load(loader, cover);
            QVERIFY(red && !red->isNull());
            QCOMPARE(red->pixelColor(50, 75).red(), 254);
        }
        ThumbnailDiskCache disk(cache);
        const std::optional<QImage> stored = disk.find(ThumbnailDiskCache::keyOf(cover, box));
        QVERIFY(stored);
        QCOMPARE(stored->size(), QSize(100, 150));

        folder.write("Covers/7.jpg", jpeg(filled({300, 450}, Qt::blue)));
        QVERIFY(SetModified(cover, QDateTime::currentDateTime().addSecs(60)));
        ThumbnailLoader again(cache);
        const std::optional<QImage> blue = load(again, cover);
        QVERIFY(blue);
        QCOMPARE(blue->pixelColor(50, 75).blue(), 254);
    }

    // The thumbnails held in memory stay within their bound, the least recently made going first.
    void memoryBound() {
        CatalogueFolder folder;
        QStringList covers;
        for (int i = 0; i < 3; ++i) {
            covers << folder.dbPath() + QString("%1.jpg").arg(i);
            folder.write(QString("%1.jpg").arg(i), jpeg(filled({300, 450}, Qt::red)));
        }
        // Room for two thumbnails of 100 by 150 pixels.
        ThumbnailLoader loader(folder.dbPath() + "cache", nullptr, 2 * 100 * 150 * 4);
        for (const QString& cover : covers)
            QVERIFY(load(loader, cover));
        QVERIFY(!loader.find(covers.at(0), box));
        QVERIFY(loader.find(covers.at(1), box));
        QVERIFY(loader.find(covers.at(2), box));
    }

    // Past its bound the cache drops the least recently used, on disk too.
    void boundHolds() {
        CatalogueFolder folder;
        const qint64 bound = 100000;
        QStringList keys;
        {
            ThumbnailDiskCache disk(folder.dbPath(), bound);
            for (quint32 i = 0; i < 12; ++i) {
                keys << QString("%1").arg(i, 40, 10, QChar(u'0'));
                disk.store(keys.last(), noise(i));
                QVERIFY(disk.find(keys.first())); // the first is used all along
            }
            QVERIFY(disk.totalBytes() <= bound);
        }
        ThumbnailDiskCache reopened(folder.dbPath(), bound);
        qint64 onDisk = 0;
        for (const QFileInfo& info : QDir(folder.dbPath()).entryInfoList(QDir::Files))
            onDisk += info.size();
        QCOMPARE(reopened.totalBytes(), onDisk);
        QVERIFY(onDisk <= bound && onDisk > bound / 2);
        QVERIFY(reopened.find(keys.first()));
        QVERIFY(reopened.find(keys.last()));
        QVERIFY(!reopened.find(keys.at(1)));
    }
};

QTEST_MAIN(TestThumbnails)
#include "tst_thumbnails.moc"
