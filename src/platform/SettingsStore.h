// The per-user settings store: text values addressed by application and key, always in the
// section "Settings". Every read names the default returned for an absent key.
#pragma once

#include <QString>
#include <memory>
#include <optional>

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or nullopt when the key is absent.
    virtual std::optional<QString> value(const QString& application, const QString& key) const = 0;
    // False when the store could not keep the text, its file being out of reach.
    virtual bool write(const QString& application, const QString& key, const QString& text) = 0;

    QString read(const QString& application, const QString& key, const QString& fallback) const {
        return value(application, key).value_or(fallback);
    }
};
