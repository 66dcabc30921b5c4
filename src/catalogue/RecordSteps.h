// SPDX-License-Identifier: GPL-3.0-or-later
// What each reader does with one record of its file, shared by the sequential scan and the
// indexed lookup so that both give the same result: nullopt means "not this record, go on".
#pragma once

#include "CurrentTitle.h"
#include "ReaderResult.h"

#include <QString>
#include <optional>

namespace RecordSteps {

inline const QString kTitleLabel = QStringLiteral("reelkeep.dat");
inline const QString kImdbLabel = QStringLiteral("imdb.dat");
inline const QString kMediaLabel = QStringLiteral("media.dat");
inline const QString kHistoryLabel = QStringLiteral("history.dat"); // as the user is told

// `coverPath` names the cover picture for an Idx; null: the cover is not looked for.
std::optional<ReaderResult> title(const QString& record, const QString& key, CurrentTitle& into,
                                  const QString* coverPath);
std::optional<ReaderResult> imdb(const QString& record, const QString& key, CurrentTitle& into);
std::optional<ReaderResult> media(const QString& line, CurrentTitle& into);
std::optional<ReaderResult> history(const QString& line, const QString& key, CurrentTitle& into);

// How a record stands for every key at once: the index is built from this.
struct Shape {
    enum class Kind { Keyed, Skipped, Stop };
    Kind kind = Kind::Skipped;
    QString key; // with Keyed
};
enum class FileKind { Title, Imdb, Media, History };
Shape shapeOf(FileKind file, const QString& record);

} // namespace RecordSteps
