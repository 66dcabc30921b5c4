#include "CatalogueFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QStringList>
#include <stdexcept>

CatalogueFolder::CatalogueFolder() {
    if (!dir_.isValid())
        throw std::runtime_error("no temporary folder");
}

QString CatalogueFolder::dbPath() const {
    return dir_.path() + u'/';
}

QString CatalogueFolder::coverPath() const {
    return dbPath() + QStringLiteral("Covers/");
}

void CatalogueFolder::write(const QString& name, const QByteArray& bytes) const {
    QFile file(dir_.filePath(name));
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write fixture");
}

void CatalogueFolder::writeLines(const QString& name, const QStringList& lines) const {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += ToWindows1252(line) + "\r\n";
    write(name, bytes);
}

void CatalogueFolder::touchCover(const QString& fileName) const {
    write(QStringLiteral("Covers/") + fileName, QByteArray());
}

QByteArray ToWindows1252(const QString& text) {
    QStringEncoder encoder("windows-1252");
    return encoder.encode(text);
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
