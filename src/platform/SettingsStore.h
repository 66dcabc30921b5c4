// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user settings store: text values addressed by application and key, always in the
// section "Settings". Every read names the default returned for an absent key.
#pragma once

#include "Message.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

struct SettingsEntry {
    QString application;
    QString key;
    QString text;
};

// How a save went. A settings file that could not be read is replaced by the save: worth
// telling, since what it held is gone.
struct SettingsSaved {
    bool saved = true;    // every value reached the store
    QStringList notSaved; // files that could not be written
    QStringList replaced; // unreadable files replaced by a fresh one

    // The boxes to show the user: none when all went well.
    QList<Message> messages() const;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or nullopt when the key is absent.
    virtual std::optional<QString> value(const QString& application, const QString& key) const = 0;
    // Writes the entries in one step per application: a crash in between leaves each
    // application's settings either all old or all new.
    virtual SettingsSaved save(const QList<SettingsEntry>& entries) = 0;

    SettingsSaved write(const QString& application, const QString& key, const QString& text) {
        return save({{application, key, text}});
    }
    QString read(const QString& application, const QString& key, const QString& fallback) const {
        return value(application, key).value_or(fallback);
    }
};
