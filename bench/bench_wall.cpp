// SPDX-License-Identifier: GPL-3.0-or-later
// The cover wall on a large catalogue with a cover for every title, on the offscreen platform,
// the catalogue's files indexed: "wall_show_ms", from choosing the wall until it is painted;
// "wall_frame_ms" and "wall_frame_max_ms", the median and the worst GUI-thread time of a frame
// while scrolling page by page (the thumbnails that came meanwhile handed over, the page moved
// and every tile on it painted); "wall_cold_ms", from jumping to a page never seen until no
// tile on it waits for its cover any more (a title without a cover file keeps its card: waiting
// for a cover there hung smaller catalogues), the cache empty, and "wall_warm_ms", the same from
// the disk cache alone; "wall_tiles", how many tiles a page shows.
// With --covers FOLDER N: writes covers for the N titles of a catalogue from the generator, a
// few hundred distinct pictures linked under every title's name. With --memory FOLDER: the peak
// memory of a viewer on that catalogue whose wall was scrolled from end to end,
// "wall_peak_kb".
#include "BenchViewer.h"
#include "covers/ThumbnailLoader.h"
#include "tools/CatalogueGenerator.h"
#include "ui/CoverWall.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

// Cover files of a usual size and weight: 300 by 450 pixels, about 30 KB at quality 85.
constexpr int kDistinctCovers = 300;

QImage coverPicture(int n) {
    QRandomGenerator random(quint32(n) + 1);
    QImage image(300, 450, QImage::Format_RGB32);
    QLinearGradient ground(0, 0, 300, 450);
    ground.setColorAt(0, QColor::fromHsv(random.bounded(360), 160, 200));
    ground.setColorAt(1, QColor::fromHsv(random.bounded(360), 200, 60));
    QPainter painter(&image);
    painter.fillRect(image.rect(), ground);
    for (int i = 0; i < 40; ++i) {
        painter.setBrush(QColor::fromHsv(random.bounded(360), 180, random.bounded(256), 160));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(random.bounded(300), random.bounded(450), random.bounded(10, 120),
                            random.bounded(10, 120));
    }
    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("Sans"), 28, QFont::Bold));
    painter.drawText(QRect(10, 300, 280, 140), Qt::AlignCenter | Qt::TextWordWrap,
                     QStringLiteral("Film number %1").arg(n));
    painter.end();
    // A little grain, as a scanned or photographed cover has.
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int d = int(random.bounded(17)) - 8;
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + d, 0, 255), std::clamp(qGreen(p) + d, 0, 255),
                           std::clamp(qBlue(p) + d, 0, 255));
        }
    }
    return image;
}

// Covers for the generator's index numbers 1 to `titles`, hard links to a few distinct files.
void writeCovers(const QString& db, int titles) {
    const QString folder = db + QStringLiteral("/Covers/");
    QDir().mkpath(folder);
    const QString originals = db + QStringLiteral("/CoverOriginals/");
    QDir().mkpath(originals);
    for (int n = 0; n < kDistinctCovers; ++n)
        if (!coverPicture(n).save(originals + QString::number(n) + QStringLiteral(".jpg"), "JPEG",
                                  85))
            qFatal("cannot write a cover");
    for (int idx = 1; idx <= titles; ++idx) {
        const QByteArray from =
            QFile::encodeName(originals + QString::number(idx % kDistinctCovers) + ".jpg");
        const QByteArray to = QFile::encodeName(folder + QString::number(idx) + ".jpg");
        if (::link(from.constData(), to.constData()) != 0)
            qFatal("cannot link %s", to.constData());
    }
}

struct Viewer : BenchViewer {
    CoverWall* wall = nullptr;

    // A large window with small tiles: about 40 on a page.
    explicit Viewer(const QString& db) : BenchViewer(db, 30000, 16000) {
        store.write(QStringLiteral("RKV"), QStringLiteral("TileSize"), QStringLiteral("80"));
    }
    // Started in the list, its files indexed.
    void start() {
        open();
        auto* list = window->findChild<QListView*>(QStringLiteral("List1"));
        list->setCurrentIndex(list->model()->index(0, 0));
        auto* caption = window->findChild<QLabel*>(QStringLiteral("Label1"));
        while (caption->text().isEmpty())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        wall = window->findChild<CoverWall*>(QStringLiteral("Wall"));
    }
    double showWall() {
        QElapsedTimer timer;
        timer.start();
        window->findChild<QAction*>(QStringLiteral("ViewWall"))->trigger();
        wall->viewport()->repaint();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        // Laid out to its end: a page anywhere can be shown.
        const QModelIndex last = wall->model()->index(wall->model()->rowCount() - 1, 0);
        if (wall->visualRect(last).top() < wall->verticalScrollBar()->maximum())
            qFatal("the wall is not laid out to its end");
        return ms;
    }
    // One frame: what came from the workers handed over, the next page painted.
    double frame(int by) {
        QElapsedTimer timer;
        timer.start();
        QApplication::processEvents();
        QScrollBar* bar = wall->verticalScrollBar();
        bar->setValue(bar->value() + by);
        wall->viewport()->repaint();
        return double(timer.nsecsElapsed()) / 1e6;
    }
    bool settled() const {
        const QRect area = wall->viewport()->rect();
        for (int row = wall->indexAt(QPoint(1, 1)).row(); row >= 0; ++row) {
            const QModelIndex index = wall->model()->index(row, 0);
            if (!index.isValid() || !wall->visualRect(index).intersects(area))
                break;
            if (wall->tile(row) == CoverWall::Tile::Waiting)
                return false;
        }
        return true;
    }
    int tiles() const {
        const QRect area = wall->viewport()->rect();
        int count = 0;
        for (int row = wall->indexAt(QPoint(1, 1)).row(); row >= 0; ++row, ++count) {
            const QModelIndex index = wall->model()->index(row, 0);
            if (!index.isValid() || !wall->visualRect(index).intersects(area))
                break;
        }
        return count;
    }
    // Milliseconds from jumping to `row` until each tile on its page shows its cover.
    double jump(int row) {
        QElapsedTimer timer;
        timer.start();
        wall->scrollTo(wall->model()->index(row, 0), QAbstractItemView::PositionAtTop);
        wall->viewport()->repaint();
        // The wall repaints itself as covers come, as it does on a desktop.
        while (!settled())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return double(timer.nsecsElapsed()) / 1e6;
    }
};

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void printPeak(const char* name) {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            std::printf("%s %lld\n", name, line.mid(6).trimmed().split(' ')[0].toLongLong());
}

// The wall scrolled from the first page to the last, a frame at a time, as a user holding
// Page Down would, the workers making what they can meanwhile.
int scrollMemory(const QString& db) {
    Viewer viewer(db);
    viewer.start();
    viewer.showWall();
    QScrollBar* bar = viewer.wall->verticalScrollBar();
    while (bar->value() < bar->maximum())
        viewer.frame(bar->pageStep());
    viewer.frame(0);
    printPeak("wall_peak_kb");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir cache;
    qputenv("REELKEEP_CACHE_DIR", QFile::encodeName(cache.path()));
    QApplication app(argc, argv);
    if (argc > 3 && qstrcmp(argv[1], "--covers") == 0) {
        writeCovers(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]).toInt());
        return 0;
    }
    if (argc > 2 && qstrcmp(argv[1], "--memory") == 0)
        return scrollMemory(QString::fromLocal8Bit(argv[2]));
    const int titles = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;

    QTemporaryDir db;
    CatalogueGenerator({titles, 7, false}).writeTo(db.path());
    writeCovers(db.path(), titles);
    Viewer viewer(db.path());
    viewer.start();
    const double showMs = viewer.showWall();

    // Cold: two pages never seen, far apart; warm: the first again, from the disk cache only.
    const double cold1 = viewer.jump(titles / 2);
    const double cold2 = viewer.jump(titles / 4);
    const int tiles = viewer.tiles();
    viewer.wall->thumbnails().forget();
    const double warm = viewer.jump(titles / 2);

    // Page by page from a page never seen, without waiting for the covers.
    viewer.wall->scrollTo(viewer.wall->model()->index(titles * 3 / 4, 0),
                          QAbstractItemView::PositionAtTop);
    viewer.wall->viewport()->repaint();
    std::vector<double> frames;
    const int page = viewer.wall->verticalScrollBar()->pageStep();
    for (int i = 0; i < 200; ++i)
        frames.push_back(viewer.frame(page));
    std::printf("wall_show_ms %.1f\nwall_frame_ms %.2f\nwall_frame_max_ms %.2f\nwall_cold_ms "
                "%.0f\nwall_warm_ms %.0f\nwall_tiles %d\n",
                showMs, median(frames), *std::max_element(frames.begin(), frames.end()),
                std::max(cold1, cold2), warm, tiles);
    return 0;
}
