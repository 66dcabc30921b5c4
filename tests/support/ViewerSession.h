// SPDX-License-Identifier: GPL-3.0-or-later
// A viewer session: its own settings store, scripted dialogs and desktop, and the main window.
#pragma once

#include "CatalogueFolder.h"
#include "FixedClock.h"
#include "MemorySettingsStore.h"
#include "RecordingDesktop.h"
#include "ScriptedPrompts.h"
#include "app/Init.h"
#include "browse/AppState.h"
#include "ui/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QStatusBar>
#include <QTimer>
#include <functional>

// The window tests' catalogue: Alien in full, with a cover, and three titles more.
inline void WriteSampleCatalogue(const CatalogueFolder& db) {
    db.writeLines("reelkeep.dat",
                  {"~ Alien| SINGLE| VCD-1| Horror| Present| DVD| 5| x| y| Le Huitieme Passager| "
                   "In space no one can hear you scream.| 17 | U17 ~",
                   "~ Brazil| BOX| Shelf| Comedy| NULL| NULL| NULL| x| y| NULL| NULL| NULL| NULL ~",
                   "~ Casablanca| SINGLE| A| Drama| Lent| VHS| 3| x| y| NULL| NULL| 3| NULL ~",
                   "~ Alien 2| SINGLE| A| Horror| Present| DVD| 4| x| y| NULL| NULL| 4| NULL ~"});
    db.writeLines("imdb.dat",
                  {"~ Alien| x| Alien (1979)| x| 1979| Ridley Scott| In space no one "
                   "can hear you scream.| A crew meets a creature.| Horror| Sigourney "
                   "Weaver| R| English| 117| 8.5| | r ~",
                   "~ Casablanca| x| Casablanca| x| 1942| x| <i>Play it</i>, Sam| x| x| "
                   "x| x| x| 102| Null| https://example.org/c| r ~"});
    db.writeLines("media.dat", {"~ Alien| AVI| 2| 117| 1920| 1080| 25| 1| x| 1| x| 2| 1 ~"});
    db.writeLines("History.dat", {"~ Alien| 2006-03-14| x| y ~"});
    QDir().mkpath(db.coverPath());
    QImage(1, 1, QImage::Format_RGB32).save(db.coverPath() + "17.jpg", "PNG");
}

struct Session {
    MemorySettingsStore store;
    ScriptedPrompts prompts;
    RecordingDesktop desktop;
    FixedClock clock{QDateTime(QDate(2026, 12, 6), QTime(9, 0))};
    AppState state;
    std::unique_ptr<frmMain> window;

    // The catalogue in `dbPath`, and `settings` as WriteSettings takes them.
    explicit Session(const QString& dbPath, const QString& settings = {}) {
        WriteSettings(store, "DBPath=" + dbPath + ";CoverPath=" + dbPath + "Covers/;" + settings);
    }
    frmMain& start(const std::optional<QString>& catalogue = std::nullopt) {
        window = Init::Main(state, store, prompts, desktop, clock, catalogue);
        return *window;
    }
    template <typename T = QWidget> T* control(const QString& name) const {
        return window->findChild<T*>(name);
    }
    QString caption(const QString& name) const { return control<QLabel>(name)->text(); }
    QString status() const { return window->statusBar()->currentMessage(); }
    int row() const {
        const auto selected = control<QListView>("List1")->selectionModel()->selectedIndexes();
        return selected.isEmpty() ? -1 : selected.first().row();
    }
    void trigger(const QString& action) { control<QAction>(action)->trigger(); }
    void select(int row) {
        auto* list = control<QListView>("List1");
        list->setCurrentIndex(list->model()->index(row, 0));
    }
};

// A session started at once, for tests with nothing to script beforehand.
struct StartedSession : Session {
    explicit StartedSession(const QString& dbPath, const QString& settings = {})
        : Session(dbPath, settings) {
        start();
    }
};

// Runs `act` on the next modal dialog as soon as it is up; Wait, modal too, is no dialog.
inline void WhenModal(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act = std::move(act)] {
        if (QWidget* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(dialog);
        }
    });
    poll->start(5);
}
