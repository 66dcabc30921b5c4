// SPDX-License-Identifier: GPL-3.0-or-later
// A catalogue in a temporary folder, written byte for byte as a test gives it.
#pragma once

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QStringList>
#include <QTemporaryDir>
#include <stdexcept>
#include <sys/stat.h>

// Windows-1252 bytes of a text (characters outside it become "?").
inline QByteArray ToWindows1252(const QString& text) {
    return QStringEncoder("windows-1252").encode(text);
}

// A file's bytes; "<missing>" when it cannot be read.
inline QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The names of the files in a folder, hidden ones included.
inline QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

// Gives a file, made if missing, the modification time a write at `time` would leave.
inline bool SetModified(const QString& path, const QDateTime& time) {
    QFile file(path);
    return file.open(QIODevice::Append) &&
           file.setFileTime(time, QFileDevice::FileModificationTime);
}

// What stands where a file should be: a FIFO blocks an open, /dev/zero never ends.
enum class Special { Fifo, DevZero, Folder };
inline bool MakeSpecial(const QString& path, Special kind) {
    switch (kind) {
    case Special::Fifo:
        return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    case Special::DevZero:
        return QFile::link("/dev/zero", path);
    case Special::Folder:
        return QDir().mkpath(path);
    }
    return false;
}

class CatalogueFolder {
public:
    CatalogueFolder() {
        if (!dir_.isValid())
            throw std::runtime_error("no temporary folder");
    }

    // The folder with a closing separator, as DBPath holds it.
    QString dbPath() const { return dir_.path() + u'/'; }
    QString coverPath() const { return dbPath() + QStringLiteral("Covers/"); }

    // Writes `bytes` to the named file of the folder (e.g. "reelkeep.dat").
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(dir_.filePath(name));
        QDir().mkpath(QFileInfo(file).absolutePath());
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            throw std::runtime_error("cannot write fixture");
    }
    // Writes the lines joined by CR LF, with a closing CR LF, in Windows-1252.
    void writeLines(const QString& name, const QStringList& lines) const {
        QByteArray bytes;
        for (const QString& line : lines)
            bytes += ToWindows1252(line) + "\r\n";
        write(name, bytes);
    }

private:
    QTemporaryDir dir_;
};
