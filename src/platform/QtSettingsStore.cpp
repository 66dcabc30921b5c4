#include "QtSettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QStringList>
#include <memory>

namespace {
const QString kSection = QStringLiteral("Settings");
}

QtSettingsStore::QtSettingsStore(QString folder) : folder_(std::move(folder)) {
    if (folder_.isEmpty())
        folder_ = qEnvironmentVariable("REELKEEP_SETTINGS_DIR");
}

std::unique_ptr<QSettings> QtSettingsStore::open(const QString& application) const {
    // Opened by explicit path: QSettings fixes its default folders on first use, so a later
    // change of REELKEEP_SETTINGS_DIR would otherwise go unseen.
    if (!folder_.isEmpty()) {
        QDir().mkpath(folder_);
        return std::make_unique<QSettings>(
            QDir(folder_).filePath(application + QStringLiteral(".ini")), QSettings::IniFormat);
    }
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, application,
                                       application);
}

std::optional<QString> QtSettingsStore::value(const QString& application,
                                              const QString& key) const {
    const auto settings = open(application);
    const QString path = kSection + u'/' + key;
    if (!settings->contains(path))
        return std::nullopt;
    const QVariant stored = settings->value(path);
    // A hand-edited INI value with commas comes back as a list; keep the text as written.
    if (stored.typeId() == QMetaType::QStringList)
        return stored.toStringList().join(QStringLiteral(", "));
    return stored.toString();
}

bool QtSettingsStore::write(const QString& application, const QString& key, const QString& text) {
    const auto settings = open(application);
    settings->setValue(kSection + u'/' + key, text);
    settings->sync();
    return settings->status() == QSettings::NoError;
}
