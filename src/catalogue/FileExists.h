// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// True when path names an existing file or folder; false on any failure, "" included.
bool FileExists(const QString& path);

// FileExists for a catalogue file or a cover, which the program goes on to open: a FIFO, a
// device or a socket counts as absent, since opening one may block and reading it may never end.
bool CatalogueFileExists(const QString& path);
