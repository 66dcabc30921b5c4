// The viewer on a large catalogue, on the offscreen platform: how long from start until the
// list is on screen, and how long a selection takes to be read and painted. Prints
// "viewer_start_ms N" and "viewer_select_ms N" (the median of 25 selections).
#include "AppState.h"
#include "CatalogueGenerator.h"
#include "Clock.h"
#include "Init.h"
#include "QtDesktop.h"
#include "QtPrompts.h"
#include "QtSettingsStore.h"
#include "frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int titles = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;

    QTemporaryDir db, settings;
    CatalogueGenerator({titles, 7, false}).writeTo(db.path());
    QtSettingsStore store(settings.path());
    store.write(QStringLiteral("ReelkeepViewer"), QStringLiteral("DBPath"), db.path() + u'/');
    store.write(QStringLiteral("RKV"), QStringLiteral("MainWidth"), QStringLiteral("16500"));
    store.write(QStringLiteral("RKV"), QStringLiteral("MainHeight"), QStringLiteral("11500"));
    QtPrompts prompts;
    QtDesktop desktop;
    SystemClock clock;
    AppState state;

    QElapsedTimer timer;
    timer.start();
    auto window = Init::Main(state, store, prompts, desktop, clock);
    window->repaint();
    QApplication::processEvents();
    const double startMs = double(timer.nsecsElapsed()) / 1e6;

    auto* list = window->findChild<QListView*>(QStringLiteral("List1"));
    std::vector<double> selections;
    for (int i = 0; i < 25; ++i) {
        const int row = int(qint64(i) * (titles - 1) / 24);
        timer.restart();
        list->setCurrentIndex(list->model()->index(row, 0));
        window->repaint();
        selections.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(selections.begin(), selections.end());
    std::printf("viewer_start_ms %.1f\nviewer_select_ms %.2f\nviewer_titles %d\n", startMs,
                selections[selections.size() / 2], int(window->titles().size()));
    return 0;
}
