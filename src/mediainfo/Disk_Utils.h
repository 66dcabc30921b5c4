// SPDX-License-Identifier: GPL-3.0-or-later
// Drive types and the optical drives of this machine. On Windows the drive-type call itself;
// elsewhere a drive is a mount point and its type comes from the mounted volumes.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// "D" → "D:\", "D:" → "D:\"; anything else (a root, a mount point such as "/") unchanged.
QString DriveRoot(const QString& drive);

// The name of a GetDriveTypeA code: "Removable Drive", "Fixed Drive", "Remote Drive", "CD-ROM",
// "RAM Disk"; "" for any other code.
QString DriveTypeFromCode(int code);

// The same names for a mounted volume: its device, file-system type and whether the device is
// removable. "" for volumes that are no drive at all (proc, sysfs, overlays).
QString DriveTypeFromMount(const QString& device, const QString& fsType, bool removable);

struct MountEntry {
    QString device;
    QString mountPoint;
    QString fsType;

    friend bool operator==(const MountEntry&, const MountEntry&) = default;
};

// The lines of /proc/self/mounts (or /etc/mtab), with their octal escapes ("\040") decoded.
QList<MountEntry> ParseMounts(const QByteArray& table);

// The type name of `drive`, which is first put into root form (see DriveRoot). On Windows a
// drive letter; elsewhere a mount point, "" when nothing is mounted there.
QString DriveTypeName(QString& drive);

// Every optical drive as its button names it: "D:" on Windows, in letter order; the mount
// point elsewhere, in mount order.
QStringList OpticalDrives();
