// SPDX-License-Identifier: GPL-3.0-or-later
#include "Disk_Utils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

QString DriveRoot(const QString& drive) {
    // A lone "/" is the root mount point, not a drive letter.
    if (drive.size() == 1 && drive != u'/')
        return drive + QStringLiteral(":\\");
    if (drive.size() == 2 && drive.endsWith(u':'))
        return drive + u'\\';
    return drive;
}

QString DriveTypeFromCode(int code) {
    switch (code) {
    case 2:
        return QStringLiteral("Removable Drive");
    case 3:
        return QStringLiteral("Fixed Drive");
    case 4:
        return QStringLiteral("Remote Drive");
    case 5:
        return QStringLiteral("CD-ROM");
    case 6:
        return QStringLiteral("RAM Disk");
    default:
        return QString();
    }
}

QString DriveTypeFromMount(const QString& device, const QString& fsType, bool removable) {
    static const QRegularExpression optical(QStringLiteral("^/dev/(sr|scd|cdrom)[0-9]*$"));
    static const QStringList network = {
        QStringLiteral("nfs"),   QStringLiteral("nfs4"),       QStringLiteral("cifs"),
        QStringLiteral("smbfs"), QStringLiteral("smb3"),       QStringLiteral("sshfs"),
        QStringLiteral("9p"),    QStringLiteral("fuse.sshfs"), QStringLiteral("afs")};
    if (optical.match(device).hasMatch() || fsType == u"iso9660" || fsType == u"udf")
        return DriveTypeFromCode(5);
    if (network.contains(fsType))
        return DriveTypeFromCode(4);
    if (fsType == u"tmpfs" || fsType == u"ramfs")
        return DriveTypeFromCode(6);
    if (!device.startsWith(QStringLiteral("/dev/")))
        return QString();
    return DriveTypeFromCode(removable ? 2 : 3);
}

namespace {

// The mounts table writes blanks, tabs, newlines and backslashes in paths as "\ooo".
QString unescapeMountField(const QByteArray& field) {
    const auto octal = [&](qsizetype at) { return field[at] >= '0' && field[at] <= '7'; };
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && octal(i + 1) && octal(i + 2) &&
            octal(i + 3)) {
            out +=
                char((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
            continue;
        }
        out += field[i];
    }
    return QString::fromUtf8(out);
}

#ifndef Q_OS_WIN
QList<MountEntry> mountedVolumes() {
    for (const char* table : {"/proc/self/mounts", "/etc/mtab"}) {
        QFile file(QString::fromLatin1(table));
        // The proc file reports a size of 0, so read until the end rather than by size.
        if (file.open(QIODevice::ReadOnly))
            return ParseMounts(file.readAll());
    }
    return {};
}

// A partition is removable when its disk is: /sys/class/block/sdb1 resolves to a folder inside
// the disk's own.
bool isRemovable(const QString& device) {
    const QString name = QFileInfo(QFileInfo(device).canonicalFilePath()).fileName();
    if (name.isEmpty())
        return false;
    const QString node = QFileInfo(QStringLiteral("/sys/class/block/") + name).canonicalFilePath();
    if (node.isEmpty())
        return false;
    for (const QString& folder : {node, QFileInfo(node).path()}) {
        QFile flag(folder + QStringLiteral("/removable"));
        if (flag.open(QIODevice::ReadOnly))
            return flag.readAll().trimmed() == "1";
    }
    return false;
}

QString cleanMountPoint(const QString& path) {
    return path.isEmpty() ? path : QDir::cleanPath(path);
}
#endif

} // namespace

QList<MountEntry> ParseMounts(const QByteArray& table) {
    QList<MountEntry> entries;
    for (const QByteArray& line : table.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3)
            continue;
        entries.append({unescapeMountField(fields[0]), unescapeMountField(fields[1]),
                        unescapeMountField(fields[2])});
    }
    return entries;
}

QString DriveTypeName(QString& drive) {
    drive = DriveRoot(drive);
#ifdef Q_OS_WIN
    return DriveTypeFromCode(int(GetDriveTypeA(drive.toLocal8Bit().constData())));
#else
    const QString wanted = cleanMountPoint(drive);
    if (wanted.isEmpty())
        return QString();
    // Later mounts over the same point hide earlier ones.
    const QList<MountEntry> mounts = mountedVolumes();
    for (auto it = mounts.crbegin(); it != mounts.crend(); ++it)
        if (it->mountPoint == wanted)
            return DriveTypeFromMount(it->device, it->fsType, isRemovable(it->device));
    return QString();
#endif
}

QStringList OpticalDrives() {
    QStringList drives;
#ifdef Q_OS_WIN
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        QString drive(QChar::fromLatin1(letter));
        if (DriveTypeName(drive) == u"CD-ROM")
            drives << QString(QChar::fromLatin1(letter)) + u':';
    }
#else
    // Whether a drive is optical does not depend on removability, so /sys is not asked.
    for (const MountEntry& mount : mountedVolumes())
        if (!drives.contains(mount.mountPoint) &&
            DriveTypeFromMount(mount.device, mount.fsType, false) == u"CD-ROM")
            drives << mount.mountPoint;
#endif
    return drives;
}
