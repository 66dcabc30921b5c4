// SettingsStore on QSettings. Each application name is its own store; when
// REELKEEP_SETTINGS_DIR is set (demos, scripts, tests) the stores are INI files in that folder
// instead of the user's native store.
#pragma once

#include "SettingsStore.h"

#include <memory>

class QSettings;

class QtSettingsStore final : public SettingsStore {
public:
    // An empty folder means: REELKEEP_SETTINGS_DIR, or the user's native store when unset.
    explicit QtSettingsStore(QString folder = {});

    std::optional<QString> value(const QString& application, const QString& key) const override;
    bool write(const QString& application, const QString& key, const QString& text) override;

    // The folder in use, empty for the native store.
    const QString& folder() const { return folder_; }

private:
    std::unique_ptr<QSettings> open(const QString& application) const;

    QString folder_;
};
