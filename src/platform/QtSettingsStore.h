// SPDX-License-Identifier: GPL-3.0-or-later
// SettingsStore on QSettings. Each application name is its own store; when
// REELKEEP_SETTINGS_DIR is set (demos, scripts, tests) the stores are INI files in that folder
// instead of the user's own. Where the store is a file, it is looked at before QSettings reads
// it: a FIFO or a device there reads as an empty store and is never written over.
#pragma once

#include "SettingsStore.h"

#include <memory>

class QSettings;

class QtSettingsStore final : public SettingsStore {
public:
    // An empty folder means: REELKEEP_SETTINGS_DIR, or the user's native store when unset.
    explicit QtSettingsStore(QString folder = {});

    std::optional<QString> value(const QString& application, const QString& key) const override;
    SettingsSaved save(const QList<SettingsEntry>& entries) override;

    // The folder in use, empty for the native store.
    const QString& folder() const { return folder_; }
    // The file an application's settings live in; empty where they are not in a file of their
    // own (the Windows registry).
    QString filePath(const QString& application) const;

    // Qt's own settings (the file dialog's last folder and history) go into `folder` too, so
    // that a run with REELKEEP_SETTINGS_DIR writes nothing outside it. Call before anything
    // opens a QSettings.
    static void keepQtSettingsIn(const QString& folder);

private:
    // Null when the application's file is something QSettings must not open.
    std::unique_ptr<QSettings> open(const QString& application) const;

    QString folder_;
};
