// SPDX-License-Identifier: GPL-3.0-or-later
// The viewer as the benchmarks run it: a settings store of its own in a temporary folder, the
// catalogue in a folder (covers in its Covers folder) and the window at a given size in twips.
#pragma once

#include "app/Init.h"
#include "browse/AppState.h"
#include "platform/Clock.h"
#include "platform/QtDesktop.h"
#include "platform/QtSettingsStore.h"
#include "ui/QtPrompts.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

struct BenchViewer {
    QTemporaryDir settings;
    QtSettingsStore store{settings.path()};
    QtPrompts prompts;
    QtDesktop desktop;
    SystemClock clock;
    AppState state;
    std::unique_ptr<frmMain> window;

    BenchViewer(const QString& db, int widthTwips, int heightTwips) {
        const QString viewer = QStringLiteral("ReelkeepViewer"), rkv = QStringLiteral("RKV");
        store.write(viewer, QStringLiteral("DBPath"), db + u'/');
        store.write(viewer, QStringLiteral("CoverPath"), db + QStringLiteral("/Covers/"));
        store.write(rkv, QStringLiteral("MainWidth"), QString::number(widthTwips));
        store.write(rkv, QStringLiteral("MainHeight"), QString::number(heightTwips));
    }
    // Opens the window and paints it once.
    void open() {
        window = Init::Main(state, store, prompts, desktop, clock);
        window->repaint();
    }
};
