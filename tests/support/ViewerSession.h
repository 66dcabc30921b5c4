// A viewer session: its own settings store, scripted dialogs and desktop, and the main window.
#pragma once

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
#include <QLabel>
#include <QListView>
#include <QStatusBar>
#include <QTimer>
#include <functional>

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
