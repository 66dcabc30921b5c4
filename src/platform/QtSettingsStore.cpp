// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtSettingsStore.h"

#include "RegularFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <memory>

namespace {

const QString kSection = QStringLiteral("Settings");

// The settings files of the user's native store are INI files in the configuration folder on
// every Unix but macOS; elsewhere the store is the platform's own.
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
constexpr bool kNativeIsIni = true;
#else
constexpr bool kNativeIsIni = false;
#endif

// Files that QSettings could not parse, as they were then. QSettings keeps what it read of a
// file for the whole process and reports the parse failure only to the first object that read
// it, so the failure is remembered here, for every store of the process alike.
QHash<QString, QPair<qint64, QDateTime>>& unreadableFiles() {
    static QHash<QString, QPair<qint64, QDateTime>> files;
    return files;
}

QPair<qint64, QDateTime> stampOf(const QString& path) {
    const QFileInfo info(path);
    return {info.size(), info.lastModified()};
}

// Whether the file behind `settings` is one QSettings could not parse as it stands.
bool unreadable(const QSettings& settings) {
    const QString path = settings.fileName();
    if (settings.status() == QSettings::FormatError)
        unreadableFiles().insert(path, stampOf(path));
    const auto it = unreadableFiles().constFind(path);
    return it != unreadableFiles().constEnd() && *it == stampOf(path);
}

} // namespace

QtSettingsStore::QtSettingsStore(QString folder) : folder_(std::move(folder)) {
    if (folder_.isEmpty())
        folder_ = qEnvironmentVariable("REELKEEP_SETTINGS_DIR");
}

void QtSettingsStore::keepQtSettingsIn(const QString& folder) {
    if (folder.isEmpty())
        return;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
}

QString QtSettingsStore::filePath(const QString& application) const {
    if (!folder_.isEmpty())
        return QDir(folder_).filePath(application + QStringLiteral(".ini"));
    if (!kNativeIsIni)
        return {};
    // Where QSettings keeps an application whose organisation bears the same name.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           application + u'/' + application + QStringLiteral(".conf");
}

std::unique_ptr<QSettings> QtSettingsStore::open(const QString& application) const {
    const QString path = filePath(application);
    if (path.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           application, application);
    // QSettings reads the whole file as it opens it: a FIFO would block it, /dev/zero would
    // never end.
    const PathKind kind = KindOf(path);
    if (kind == PathKind::Special || kind == PathKind::Folder)
        return nullptr;
    // By explicit path: QSettings fixes its default folders on first use, so a later change
    // of REELKEEP_SETTINGS_DIR would otherwise go unseen.
    auto settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    unreadable(*settings);
    return settings;
}

std::optional<QString> QtSettingsStore::value(const QString& application,
                                              const QString& key) const {
    const auto settings = open(application);
    const QString path = kSection + u'/' + key;
    if (!settings || !settings->contains(path))
        return std::nullopt;
    const QVariant stored = settings->value(path);
    // A hand-edited INI value with commas comes back as a list; keep the text as written.
    if (stored.typeId() == QMetaType::QStringList)
        return stored.toStringList().join(QStringLiteral(", "));
    return stored.toString();
}

SettingsSaved QtSettingsStore::save(const QList<SettingsEntry>& entries) {
    SettingsSaved outcome;
    QStringList applications;
    for (const SettingsEntry& e : entries)
        if (!applications.contains(e.application))
            applications << e.application;
    for (const QString& application : applications) {
        const auto settings = open(application);
        if (!settings) {
            outcome.saved = false;
            outcome.notSaved << filePath(application);
            continue;
        }
        if (const QString path = filePath(application); !path.isEmpty())
            QDir().mkpath(QFileInfo(path).path()); // reads need no folder; a write does
        const bool replacing = unreadable(*settings);
        for (const SettingsEntry& e : entries)
            if (e.application == application)
                settings->setValue(kSection + u'/' + e.key, e.text);
        settings->sync();
        // A file QSettings could not parse keeps its status after a write that worked: what
        // counts is whether the values are now there.
        bool written = settings->status() == QSettings::NoError;
        if (settings->status() == QSettings::FormatError) {
            const auto again = open(application);
            written = again && again->status() == QSettings::NoError;
            for (const SettingsEntry& e : entries)
                if (written && e.application == application)
                    written = again->value(kSection + u'/' + e.key).toString() == e.text;
        }
        if (!written) {
            outcome.saved = false;
            outcome.notSaved << settings->fileName();
        } else if (replacing) {
            unreadableFiles().remove(settings->fileName());
            outcome.replaced << settings->fileName();
        }
    }
    return outcome;
}
