#include "CatalogueFile.h"

#include "CatalogueText.h"
#include "platform/RegularFile.h"

namespace CatalogueFile {

Contents read(const QString& path, const QString& fileLabel) {
    RegularFile file(path);
    switch (file.status()) {
    case RegularFile::Status::Absent:
        return {{}, ReadFailure::fileNotFound(fileLabel)};
    case RegularFile::Status::Denied:
        return {{}, ReadFailure::accessError(fileLabel)};
    case RegularFile::Status::Open:
        break;
    }
    const std::optional<QByteArray> bytes = file.readAll();
    if (!bytes)
        return {{}, ReadFailure::ioError(fileLabel)};
    return {DecodeCatalogueBytes(*bytes), std::nullopt};
}

} // namespace CatalogueFile
