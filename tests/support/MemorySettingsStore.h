// A settings store in memory, for tests.
#pragma once

#include "SettingsStore.h"

#include <QHash>
#include <QPair>

class MemorySettingsStore final : public SettingsStore {
public:
    std::optional<QString> value(const QString& application, const QString& key) const override {
        const auto it = values_.find({application, key});
        if (it == values_.end())
            return std::nullopt;
        return *it;
    }
    void write(const QString& application, const QString& key, const QString& text) override {
        values_.insert({application, key}, text);
    }

private:
    QHash<QPair<QString, QString>, QString> values_;
};
