#include "FileExists.h"

#include <QFileInfo>

bool FileExists(const QString& path) {
    return !path.isEmpty() && QFileInfo::exists(path);
}
