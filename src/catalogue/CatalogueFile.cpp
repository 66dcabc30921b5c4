#include "CatalogueFile.h"

#include "CatalogueText.h"

#include <QFile>
#include <QFileInfo>

namespace CatalogueFile {

Contents read(const QString& path, const QString& fileLabel) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const bool missing = !QFileInfo::exists(path) || QFileInfo(path).isDir();
        return {{},
                missing ? ReadFailure::fileNotFound(fileLabel)
                        : ReadFailure::accessError(fileLabel)};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, ReadFailure::ioError(fileLabel)};
    return {DecodeCatalogueBytes(bytes), std::nullopt};
}

} // namespace CatalogueFile
