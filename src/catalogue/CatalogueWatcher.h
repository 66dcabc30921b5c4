// SPDX-License-Identifier: GPL-3.0-or-later
// Watches the four catalogue files of a database folder and says when one of them changed on
// disk since the folder was taken up: in size, in modification time, by appearing or vanishing.
#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QPair>

class CatalogueWatcher final : public QObject {
    Q_OBJECT

public:
    explicit CatalogueWatcher(QObject* parent = nullptr);

    // Follows the files of `dbPath` (with its closing separator) from now on, as they are now.
    void watch(const QString& dbPath);

Q_SIGNALS:
    void changed();

private:
    void touched();

    QFileSystemWatcher watcher_;
    QHash<QString, QPair<qint64, QDateTime>> stamps_; // size and time when taken up
};
