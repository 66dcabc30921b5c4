// SPDX-License-Identifier: GPL-3.0-or-later
#include "TitleListReader.h"

#include "CatalogueFile.h"
#include "CatalogueIndex.h"
#include "FileExists.h"
#include "LineReader.h"
#include "RecordSyntax.h"
#include "platform/MessageTexts.h"

QString TitleList::statusText() const {
    if (outcome != Outcome::Loaded)
        return {};
    return QString::number(titles.size()) + MessageTexts::shown(MessageTexts::kEntriesLoaded);
}

namespace {

TitleList fromIndex(CatalogueIndex& index, const QString& path) {
    TitleList list;
    const CatalogueIndex::Lookup found =
        index.get(path, RecordSteps::FileKind::Title, CatalogueFile::kTitles);
    if (!found.index) {
        list.outcome = TitleList::Outcome::Failed;
        list.failure = found.failure;
        return list;
    }
    list.titles = found.index->keysInOrder();
    const std::optional<QString> stop = found.index->stopRecord();
    QString framed;
    if (!stop) {
        list.outcome = TitleList::Outcome::Loaded;
    } else if (!FrameRecord(*stop, framed)) {
        list.outcome = TitleList::Outcome::Failed;
        list.failure = MessageTexts::kBadRecord.at(CatalogueFile::kTitles);
    } else {
        list.outcome = TitleList::Outcome::Stopped;
    }
    return list;
}

} // namespace

TitleList ReadTitleList(const QString& dbPath, CatalogueIndex* index) {
    TitleList list;
    const QString path = dbPath + CatalogueFile::kTitles;
    if (!CatalogueFileExists(path))
        return list;
    if (index)
        return fromIndex(*index, path);

    auto contents = CatalogueFile::read(path, CatalogueFile::kTitles);
    if (contents.failure) {
        list.outcome = TitleList::Outcome::Failed;
        list.failure = contents.failure;
        return list;
    }

    LineReader lines(std::move(contents.text));
    while (!lines.atEnd()) {
        const QString record = ReadRecordLine(lines);
        QString framed;
        if (!FrameRecord(record, framed)) {
            list.outcome = TitleList::Outcome::Failed;
            list.failure = MessageTexts::kBadRecord.at(CatalogueFile::kTitles);
            return list;
        }
        const qsizetype bar = framed.indexOf(u'|');
        if (bar < 0) {
            list.outcome = TitleList::Outcome::Stopped;
            return list;
        }
        list.titles.append(QStringView(framed).left(bar));
    }
    list.outcome = TitleList::Outcome::Loaded;
    return list;
}
