// SPDX-License-Identifier: GPL-3.0-or-later
// The viewer on a large catalogue, on the offscreen platform: how long from start until the
// list is on screen, how long the first selection takes to be painted when it comes 50 ms after
// the list, while the files are still being indexed ahead, and how long a selection takes to be
// read and painted once they are. Prints "viewer_start_ms N", "viewer_first_select_ms N" (the
// last title) and "viewer_select_ms N" (the median of 25 selections). Then the
// selection of titles with one huge field, text without blanks (what costs a control most):
// "viewer_bound_title_ms" and "viewer_bound_summary_ms" for a title and a summary of
// "viewer_bound_chars" (kShownChars) characters, "viewer_summary_30mb_ms" and
// "viewer_summary_200mb_ms" (medians). With --find-memory FOLDER instead: the peak memory of a
// viewer on that catalogue after a find in every fact, "viewer_find_peak_kb".
#include "BenchViewer.h"
#include "browse/TitleDisplay.h"
#include "tools/CatalogueGenerator.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

// The viewer on the catalogue in the folder `db`, at the window size the measures are taken at.
struct Viewer : BenchViewer {
    QListView* list = nullptr;

    explicit Viewer(const QString& db) : BenchViewer(db, 16500, 11500) {}
    void start() {
        open();
        QApplication::processEvents();
        list = window->findChild<QListView*>(QStringLiteral("List1"));
    }
    // Milliseconds from choosing the row until the window is painted.
    double select(int row) {
        QElapsedTimer timer;
        timer.start();
        list->setCurrentIndex(list->model()->index(row, 0));
        window->repaint();
        return double(timer.nsecsElapsed()) / 1e6;
    }
    // Milliseconds from choosing the row until its title is painted, the window running its
    // events meanwhile as it does while files are still being indexed.
    double show(int row) {
        auto* caption = window->findChild<QLabel*>(QStringLiteral("Label1"));
        QElapsedTimer timer;
        timer.start();
        list->setCurrentIndex(list->model()->index(row, 0));
        while (caption->text().isEmpty())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        window->repaint();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        if (caption->text() != window->titles().at(row))
            qFatal("row %d shows \"%s\"", row, qPrintable(caption->text()));
        return ms;
    }
    // Lets the window run its events for `ms` milliseconds.
    static void idle(int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    }
};

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// `size` characters without a blank.
QByteArray solid(qsizetype size) {
    const QByteArray pattern("abcdefghijklmnopqrstuvwxyz0123456789");
    QByteArray text(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        text[i] = pattern[i % pattern.size()];
    return text;
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

struct Entry {
    QByteArray title;
    qsizetype summary; // characters
    int repeats;
};

// A catalogue of an ordinary title followed by `entries`, their texts without blanks; the
// median time of selecting each entry, coming each time from the ordinary title.
std::vector<double> selectEntries(const std::vector<Entry>& entries) {
    QTemporaryDir db;
    QByteArray titleFile, imdbFile;
    for (qsizetype i = -1; i < qsizetype(entries.size()); ++i) {
        const Entry entry = i < 0 ? Entry{"Plain", 1, 0} : entries[i];
        const QByteArray& title = entry.title;
        titleFile += "~ " + title + "| SINGLE| x| Drama| Present| DVD| 5| x| y| NULL| NULL| " +
                     QByteArray::number(i) + "| NULL ~\r\n";
        imdbFile += "~ " + title + "| x| " + title + "| x| 1999| x| x| " + solid(entry.summary) +
                    "| Drama| x| R| English| 100| 7.5| | x ~\r\n";
    }
    write(db.filePath(QStringLiteral("reelkeep.dat")), titleFile);
    write(db.filePath(QStringLiteral("imdb.dat")), imdbFile);
    write(db.filePath(QStringLiteral("media.dat")), {});
    write(db.filePath(QStringLiteral("History.dat")), {});
    imdbFile.clear();

    Viewer viewer(db.path());
    viewer.start();
    viewer.show(0); // waits for the files indexed ahead
    std::vector<double> medians;
    for (qsizetype i = 0; i < qsizetype(entries.size()); ++i) {
        std::vector<double> times;
        for (int r = 0; r < entries[i].repeats; ++r) {
            viewer.select(0);
            times.push_back(viewer.select(int(i) + 1));
        }
        medians.push_back(median(times));
    }
    return medians;
}

} // namespace

// The peak resident memory of a viewer on the catalogue in `db`, its last title shown, after a
// find in every fact for a text no title holds (typed key by key, as a user does). Run in a
// process of its own, so that nothing but the viewer counts.
int findMemory(const QString& db) {
    Viewer viewer(db);
    viewer.start();
    viewer.show(int(viewer.window->titles().size()) - 1);
    viewer.window->findChild<QAction*>(QStringLiteral("FindScopeEverything"))->trigger();
    auto* find = viewer.window->findChild<QLineEdit*>(QStringLiteral("FindBox"));
    for (const QChar c : QStringLiteral("zanzibar")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(find, &press);
    }
    if (find->text() != QLatin1String("zanzibar"))
        qFatal("the find box holds \"%s\"", qPrintable(find->text()));
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            std::printf("viewer_find_peak_kb %lld\n",
                        line.mid(6).trimmed().split(' ')[0].toLongLong());
    return 0;
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], "--find-memory") == 0)
        return findMemory(QString::fromLocal8Bit(argv[2]));
    const int titles = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;

    QTemporaryDir db;
    CatalogueGenerator({titles, 7, false}).writeTo(db.path());
    Viewer viewer(db.path());
    QElapsedTimer timer;
    timer.start();
    viewer.start();
    const double startMs = double(timer.nsecsElapsed()) / 1e6;
    // As soon as a user could choose, and the title the list holds last.
    Viewer::idle(50);
    const double firstMs = viewer.show(titles - 1);

    std::vector<double> selections;
    for (int i = 0; i < 25; ++i)
        selections.push_back(viewer.select(int(qint64(i) * (titles - 1) / 24)));
    std::printf("viewer_start_ms %.1f\nviewer_first_select_ms %.1f\nviewer_select_ms "
                "%.2f\nviewer_titles %d\n",
                startMs, firstMs, median(selections), int(viewer.window->titles().size()));
    viewer.window.reset();

    // A title is shown twice, in the list and in Label1: at the bound, the costliest field.
    const double title = selectEntries({{solid(kShownChars), 1, 15}})[0];
    const std::vector<double> summaries = selectEntries(
        {{"Bound", kShownChars, 15}, {"Thirty", 30 << 20, 5}, {"TwoHundred", 200 << 20, 3}});
    std::printf("viewer_bound_chars %lld\nviewer_bound_title_ms %.2f\nviewer_bound_summary_ms "
                "%.2f\nviewer_summary_30mb_ms %.1f\nviewer_summary_200mb_ms %.1f\n",
                static_cast<long long>(kShownChars), title, summaries[0], summaries[1],
                summaries[2]);
    return 0;
}
