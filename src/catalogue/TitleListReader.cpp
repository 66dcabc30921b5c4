#include "TitleListReader.h"

#include "CatalogueFile.h"
#include "FileExists.h"
#include "LineReader.h"
#include "MessageTexts.h"
#include "RecordSyntax.h"

QString TitleList::statusText() const {
    if (outcome != Outcome::Loaded)
        return {};
    return QString::number(titles.size()) + MessageTexts::kEntriesLoaded;
}

TitleList ReadTitleList(const QString& dbPath) {
    TitleList list;
    const QString path = dbPath + CatalogueFile::kTitles;
    if (!FileExists(path))
        return list;

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
            list.failure = ReadFailure::badRecord(CatalogueFile::kTitles);
            return list;
        }
        const qsizetype bar = framed.indexOf(u'|');
        if (bar < 0) {
            list.outcome = TitleList::Outcome::Stopped;
            return list;
        }
        list.titles.append(framed.left(bar));
    }
    list.outcome = TitleList::Outcome::Loaded;
    return list;
}
