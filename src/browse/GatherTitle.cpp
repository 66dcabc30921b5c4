// SPDX-License-Identifier: GPL-3.0-or-later
#include "GatherTitle.h"

namespace {

ReaderResult report(ReaderResult result, const MessageSink& show) {
    if (const auto message = result.message(); message && show)
        show(*message);
    return result;
}

} // namespace

bool GatherTitle(const CatalogueReader& reader, const QString& key, CurrentTitle& title,
                 const MessageSink& show, const std::function<void()>& afterTitleRecord) {
    ClearCurrentTitle(title);
    const ReaderResult titleRecord = report(reader.ReadTitleRecord(key, title), show);
    if (afterTitleRecord)
        afterTitleRecord();
    report(reader.ReadImdbRecord(key, title), show);
    report(reader.ReadMediaRecord(title), show);
    report(reader.ReadHistoryRecord(key, title), show);
    return titleRecord.outcome == ReaderResult::Outcome::Found;
}
