// SPDX-License-Identifier: GPL-3.0-or-later
// A settings store in memory, for tests.
#pragma once

#include "platform/SettingsStore.h"
#include "settings/SettingsKeys.h"

#include <QHash>
#include <QPair>
#include <QStringList>

class MemorySettingsStore final : public SettingsStore {
public:
    std::optional<QString> value(const QString& application, const QString& key) const override {
        const auto it = values_.find({application, key});
        return it == values_.end() ? std::nullopt : std::optional(*it);
    }
    SettingsSaved save(const QList<SettingsEntry>& entries) override {
        ++saves;
        if (refuseWrites)
            return {false, {QStringLiteral("settings.ini")}, {}};
        for (const SettingsEntry& e : entries) {
            values_.insert({e.application, e.key}, e.text);
            writes << (e.application == SettingsKeys::kRkv ? SettingsKeys::kRkv + u'/'
                                                           : QString()) +
                          e.key + u'=' + e.text;
        }
        return {};
    }

    // Every write in order as "key=text", naming the application only when it is "RKV".
    QStringList writes;
    int saves = 0;             // how many steps the writes took
    bool refuseWrites = false; // as a store whose file cannot be written

private:
    QHash<QPair<QString, QString>, QString> values_;
};

// Stores "key=text;RKV/key=text;...": the viewer's keys, or the "RKV" application's so named.
inline void WriteSettings(SettingsStore& store, const QString& pairs) {
    for (const QString& pair : pairs.split(u';', Qt::SkipEmptyParts)) {
        const QString key = pair.section(u'=', 0, 0);
        store.write(key.startsWith(SettingsKeys::kRkv + u'/') ? SettingsKeys::kRkv
                                                              : SettingsKeys::kViewer,
                    key.section(u'/', -1), pair.section(u'=', 1));
    }
}
