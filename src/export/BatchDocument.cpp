// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchDocument.h"

#include "MmdDocument.h"
#include "catalogue/DatabasePaths.h"
#include "platform/MessageTexts.h"

#include <algorithm>

namespace {

// A character no file name of ours may hold: control characters, NUL above all, which would
// cut the name short; on Windows also those its file names cannot hold.
bool unsafeInName(QChar c) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7f)
        return true;
#ifdef Q_OS_WIN
    if (QStringView(u"<>:\"|?*").contains(c))
        return true;
#endif
    return false;
}

} // namespace

std::optional<Failure> BatchDocumentPath(const QString& folder, const QString& idx, QString& path) {
    if (idx.isEmpty())
        return MessageTexts::kNoIndex.at();
    if (idx.contains(u'/') || idx.contains(u'\\') || idx.contains(QStringLiteral("..")) ||
        std::any_of(idx.cbegin(), idx.cend(), unsafeInName))
        return MessageTexts::notPlainIndex(VisibleName(idx)).at();
    if (folder.isEmpty()) // not the root of the file system, which the separator would make it
        return MessageTexts::kNoExportPath.at();
    path = WithClosingSeparator(folder) + idx + QStringLiteral(".mmd");
    return std::nullopt;
}

std::optional<Failure> WriteIt(const QString& folder, const CurrentTitle& title,
                               const QString& genres, FileWriter& writer) {
    QString path;
    if (auto error = BatchDocumentPath(folder, title.Idx, path))
        return error;
    return writer.write(path, MmdFileBytes(BuildMmd(title, genres)));
}
