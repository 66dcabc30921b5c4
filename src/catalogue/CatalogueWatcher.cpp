// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueWatcher.h"

#include "CatalogueFile.h"

#include <QFileInfo>

namespace {

QPair<qint64, QDateTime> stampOf(const QFileInfo& info) {
    return {info.exists() ? info.size() : -1, info.lastModified()};
}

} // namespace

CatalogueWatcher::CatalogueWatcher(QObject* parent) : QObject(parent) {
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &CatalogueWatcher::touched);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &CatalogueWatcher::touched);
}

void CatalogueWatcher::watch(const QString& dbPath) {
    if (!watcher_.files().isEmpty())
        watcher_.removePaths(watcher_.files());
    if (!watcher_.directories().isEmpty())
        watcher_.removePaths(watcher_.directories());
    stamps_.clear();
    // The folder too: a catalogue program that saves by writing a new file and renaming it
    // replaces the file the watcher was following.
    watcher_.addPath(dbPath);
    for (const QString& name : {CatalogueFile::kTitles, CatalogueFile::kImdb, CatalogueFile::kMedia,
                                CatalogueFile::kHistory}) {
        const QFileInfo info(dbPath + name);
        stamps_.insert(info.filePath(), stampOf(info));
        if (info.exists())
            watcher_.addPath(info.filePath());
    }
}

void CatalogueWatcher::touched() {
    bool moved = false;
    for (auto it = stamps_.cbegin(); it != stamps_.cend(); ++it) {
        const QFileInfo info(it.key());
        moved = moved || stampOf(info) != it.value();
        // A file replaced by a rename is a new file to follow.
        if (info.exists() && !watcher_.files().contains(it.key()))
            watcher_.addPath(it.key());
    }
    if (moved)
        Q_EMIT changed();
}
