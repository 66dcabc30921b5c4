#include "AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

std::optional<ExportError> WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        return ExportError{76, QStringLiteral("Path not found")};
    if (info.isDir())
        return ExportError{75, QStringLiteral("Path/File access error")};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return ExportError{75, QStringLiteral("Path/File access error")};
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return ExportError{57, QStringLiteral("Device I/O error")};
    }
    if (!file.commit())
        return ExportError{75, QStringLiteral("Path/File access error")};
    return std::nullopt;
}

bool CopyFileAtomically(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return false;
    return !WriteFileAtomically(target, bytes);
}
