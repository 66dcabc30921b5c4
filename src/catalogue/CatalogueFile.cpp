// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueFile.h"

#include "CatalogueText.h"
#include "platform/MessageTexts.h"
#include "platform/RegularFile.h"

namespace CatalogueFile {

Contents read(const QString& path, const QString& fileLabel) {
    RegularFile file(path);
    switch (file.status()) {
    case RegularFile::Status::Absent:
        return {{}, MessageTexts::kFileNotFound.at(fileLabel)};
    case RegularFile::Status::Denied:
        return {{}, MessageTexts::kAccessError.at(fileLabel)};
    case RegularFile::Status::Open:
        break;
    }
    const std::optional<QByteArray> bytes = file.readAll();
    if (!bytes)
        return {{}, MessageTexts::kIoError.at(fileLabel)};
    return {DecodeCatalogueBytes(*bytes), std::nullopt};
}

} // namespace CatalogueFile
