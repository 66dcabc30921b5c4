// A catalogue in a temporary folder, written byte for byte as a test gives it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class CatalogueFolder {
public:
    CatalogueFolder();

    // The folder with a closing separator, as DBPath holds it.
    QString dbPath() const;
    // dbPath() + "Covers/".
    QString coverPath() const;

    // Writes `bytes` to the named file of the folder (e.g. "reelkeep.dat").
    void write(const QString& name, const QByteArray& bytes) const;
    // Writes the lines joined by CR LF, with a closing CR LF, in Windows-1252.
    void writeLines(const QString& name, const QStringList& lines) const;
    // An empty file standing in for a cover picture: the readers only test existence.
    void touchCover(const QString& fileName) const;

private:
    QTemporaryDir dir_;
};

// Windows-1252 bytes of a text (characters outside it become "?").
QByteArray ToWindows1252(const QString& text);
// A file's bytes; "<missing>" when it cannot be read.
QByteArray Contents(const QString& path);
