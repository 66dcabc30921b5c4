// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a picture of the main window showing one title, for the README and for looking at the
// window without a display: reelkeep-screenshot [--dark] [--wall] [--statistics FIGURE]
// DB_FOLDER TITLE WIDTHxHEIGHT OUT.png. --dark draws it as a dark desktop would, with Fusion and
// its dark scheme; --wall shows the titles as the cover wall, once every cover on screen is in;
// --statistics saves the Statistics window showing FIGURE ("decade", "genre", ...) instead.
#include "app/Init.h"
#include "browse/AppState.h"
#include "covers/ThumbnailLoader.h"
#include "platform/Clock.h"
#include "platform/QtDesktop.h"
#include "platform/QtSettingsStore.h"
#include "ui/CoverWall.h"
#include "ui/QtPrompts.h"
#include "ui/frmMain.h"
#include "ui/frmStatistics.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QListView>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

QPalette darkPalette() {
    QPalette palette(QColor(0x35, 0x35, 0x35)); // window and buttons; white text
    palette.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    palette.setColor(QPalette::AlternateBase, QColor(0x42, 0x42, 0x42));
    palette.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(0x2a, 0x82, 0xda));
    return palette;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments();
    QTextStream err(stderr);
    if (args.size() > 1 && args[1] == QLatin1String("--dark")) {
        args.removeAt(1);
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(darkPalette());
    }
    const bool wall = args.size() > 1 && args[1] == QLatin1String("--wall");
    if (wall)
        args.removeAt(1);
    std::optional<FigureDimension> figure;
    if (args.size() > 2 && args[1] == QLatin1String("--statistics")) {
        figure = FigureDimensionNamed(args[2]);
        args.remove(1, 2);
    }
    if (args.size() != 5 || !args[3].contains(u'x') || args.contains("--statistics")) {
        err << "usage: reelkeep-screenshot [--dark] [--wall] [--statistics FIGURE] DB_FOLDER "
               "TITLE WIDTHxHEIGHT OUT.png\n";
        return 2;
    }
    QTemporaryDir settings;
    QtSettingsStore store(settings.path());
    // Thumbnails made for the picture stay out of the user's cache.
    if (!qEnvironmentVariableIsSet("REELKEEP_CACHE_DIR"))
        qputenv("REELKEEP_CACHE_DIR", QFile::encodeName(settings.path()));
    if (wall) {
        store.write(QStringLiteral("RKV"), QStringLiteral("View"), QStringLiteral("Wall"));
        store.write(QStringLiteral("RKV"), QStringLiteral("TileSize"), QStringLiteral("110"));
    }
    QString db = args[1];
    if (!db.endsWith(u'/'))
        db += u'/';
    store.write(QStringLiteral("ReelkeepViewer"), QStringLiteral("DBPath"), db);
    store.write(QStringLiteral("ReelkeepViewer"), QStringLiteral("CoverPath"),
                db + QStringLiteral("Covers/"));

    QtPrompts prompts;
    QtDesktop desktop;
    SystemClock clock;
    AppState state;
    auto window = Init::Main(state, store, prompts, desktop, clock);
    if (window->ended())
        return 1;
    const QStringList size = args[3].split(u'x');
    window->resize(size[0].toInt(), size[1].toInt());
    const qsizetype row = window->titles().indexOf(args[2]);
    if (row < 0) {
        err << "no title " << args[2] << '\n';
        return 1;
    }
    auto* list = window->findChild<QListView*>(QStringLiteral("List1"));
    list->setCurrentIndex(list->model()->index(int(row), 0));
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    if (figure) {
        window->findChild<QAction*>(QStringLiteral("Statistics"))->trigger();
        auto* statistics = window->findChild<frmStatistics*>();
        statistics->setDimension(*figure);
        statistics->resize(size[0].toInt(), size[1].toInt());
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        return statistics->grab().save(args[4]) ? 0 : 1;
    }
    if (auto* covers = window->findChild<CoverWall*>(QStringLiteral("Wall")); wall && covers) {
        // Until the workers are done with every tile on screen, or ten seconds at most.
        for (int i = 0;
             i < 1000 && (covers->thumbnails().pending() > 0 ||
                          covers->tile(covers->indexAt({1, 1}).row()) == CoverWall::Tile::Waiting);
             ++i) {
            covers->viewport()->repaint();
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        }
        QApplication::processEvents();
    }
    return window->grab().save(args[4]) ? 0 : 1;
}
