#pragma once

#include <QString>

// True when path names an existing file or folder; false on any failure, "" included.
bool FileExists(const QString& path);
