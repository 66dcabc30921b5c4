#include "CatalogueReader.h"

#include "CatalogueFile.h"
#include "FileExists.h"
#include "LineReader.h"
#include "MergeGenres.h"
#include "RecordSyntax.h"
#include "SpaceTrim.h"

namespace {

const QString kImdbLabel = QStringLiteral("imdb.dat");
const QString kMediaLabel = QStringLiteral("media.dat");
const QString kHistoryLabel = QStringLiteral("history.dat"); // as the user is told, lower case

// Copies the next field into each target in turn; stops at the first missing separator.
// A null target passes a field over.
class FieldCopier {
public:
    explicit FieldCopier(const QString& framed) : fields_(framed) {}

    bool copy(QString* target, bool nullMeansEmpty = true) {
        QString field;
        if (!fields_.take(field))
            return false;
        if (target)
            *target = nullMeansEmpty ? NullToEmpty(field) : field;
        return true;
    }
    bool first(QString& key) { return fields_.take(key); }
    const QString& remainder() const { return fields_.remainder(); }

private:
    RecordFields fields_;
};

// Media and history files: a line that neither begins nor ends with "~" is not a record.
bool isFramedLine(const QString& line) {
    return line.startsWith(u'~') || line.endsWith(u'~');
}

} // namespace

QString CatalogueReader::coverPathFor(const QString& idx) const {
    return coverPath_ + TrimSpaces(idx) + QStringLiteral(".jpg");
}

ReaderResult CatalogueReader::ReadTitleRecord(const QString& title, CurrentTitle& into) const {
    const QString label = CatalogueFile::kTitles;
    auto contents = CatalogueFile::read(dbPath_ + CatalogueFile::kTitles, label);
    if (contents.failure)
        return ReaderResult::failed(*contents.failure);

    LineReader lines(std::move(contents.text));
    while (!lines.atEnd()) {
        const QString record = ReadRecordLine(lines);
        // A record without any separator ends the search.
        if (!record.contains(u'|'))
            return ReaderResult::notFound();
        QString framed;
        if (!FrameRecord(record, framed))
            return ReaderResult::failed(ReadFailure::badRecord(label));
        FieldCopier fields(framed);
        QString key;
        if (!fields.first(key))
            return ReaderResult::failed(ReadFailure::badRecord(label));
        if (key != title)
            continue;

        into.Title = key;
        QString entryKind;
        if (!fields.copy(&entryKind, false))
            return ReaderResult::failed(ReadFailure::badRecord(label));
        into.EntryType = entryKind.toUpper() == QLatin1String("SINGLE")
                             ? QStringLiteral("Single Entry")
                             : QStringLiteral("Series/Box set");
        const bool toComments = fields.copy(&into.Location) && fields.copy(&into.CatalogueGenre) &&
                                fields.copy(&into.Status) && fields.copy(&into.Medium) &&
                                fields.copy(&into.Rating) && fields.copy(nullptr) &&
                                fields.copy(nullptr) && fields.copy(&into.AkaTitle) &&
                                fields.copy(&into.Comments);
        if (toComments)
            into.Comments.replace(QStringLiteral("^^"), QStringLiteral("\r\n"));
        const bool complete = toComments && fields.copy(&into.Idx);
        if (!complete)
            return ReaderResult::failed(ReadFailure::badRecord(label));
        into.UserIdx = NullToEmpty(fields.remainder());

        const QString cover = coverPathFor(into.Idx);
        into.CoverFile = FileExists(cover) ? cover : QString();
        return ReaderResult::found();
    }
    return ReaderResult::notFound();
}

ReaderResult CatalogueReader::ReadImdbRecord(const QString& title, CurrentTitle& into) const {
    const QString path = dbPath_ + CatalogueFile::kImdb;
    if (!FileExists(path))
        return ReaderResult::notFound();
    auto contents = CatalogueFile::read(path, kImdbLabel);
    if (contents.failure)
        return ReaderResult::failed(*contents.failure);

    LineReader lines(std::move(contents.text));
    while (!lines.atEnd()) {
        const QString record = ReadRecordLine(lines);
        if (!record.contains(u'|'))
            continue;
        QString framed;
        if (!FrameRecord(record, framed))
            return ReaderResult::failed(ReadFailure::badRecord(kImdbLabel));
        FieldCopier fields(framed);
        QString key;
        if (!fields.first(key))
            return ReaderResult::failed(ReadFailure::badRecord(kImdbLabel));
        if (key != title)
            continue;

        const bool complete = fields.copy(nullptr) && fields.copy(&into.ImdbName, false) &&
                              fields.copy(nullptr) && fields.copy(&into.Year) &&
                              fields.copy(&into.Director) && fields.copy(&into.Tagline) &&
                              fields.copy(&into.Summary) && fields.copy(&into.ImdbGenre) &&
                              fields.copy(&into.Actors) && fields.copy(&into.Mpaa) &&
                              fields.copy(&into.Language) && fields.copy(&into.Runtime) &&
                              fields.copy(&into.ImdbRating) && fields.copy(&into.ImdbLink);
        if (!complete)
            return ReaderResult::failed(ReadFailure::badRecord(kImdbLabel));
        MergeGenres(into);
        return ReaderResult::found();
    }
    return ReaderResult::notFound();
}

ReaderResult CatalogueReader::ReadMediaRecord(CurrentTitle& into) const {
    const QString path = dbPath_ + CatalogueFile::kMedia;
    if (!FileExists(path))
        return ReaderResult::notFound();
    auto contents = CatalogueFile::read(path, kMediaLabel);
    if (contents.failure)
        return ReaderResult::failed(*contents.failure);

    LineReader lines(std::move(contents.text));
    while (!lines.atEnd()) {
        const QString line = lines.readLine();
        if (!isFramedLine(line))
            return ReaderResult::formatError();
        QString framed;
        if (!FrameRecord(line, framed))
            return ReaderResult::failed(ReadFailure::badRecord(kMediaLabel));
        if (!framed.contains(u'|'))
            continue;
        FieldCopier fields(framed);
        QString key;
        fields.first(key);
        if (key != into.Title)
            continue;

        const bool complete = fields.copy(&into.Format) && fields.copy(&into.NoFiles) &&
                              fields.copy(&into.Length) && fields.copy(&into.Width) &&
                              fields.copy(&into.Height) && fields.copy(&into.Framerate) &&
                              fields.copy(&into.VideoBitrate) && fields.copy(&into.VideoCodec) &&
                              fields.copy(&into.AudioBitrate) && fields.copy(&into.AudioCodec) &&
                              fields.copy(&into.AudioChannels);
        if (!complete)
            return ReaderResult::failed(ReadFailure::badRecord(kMediaLabel));
        into.Samplerate = NullToEmpty(fields.remainder());
        return ReaderResult::found();
    }
    return ReaderResult::notFound();
}

ReaderResult CatalogueReader::ReadHistoryRecord(const QString& title, CurrentTitle& into) const {
    // No existence test: a missing history file is reported every time.
    auto contents = CatalogueFile::read(dbPath_ + CatalogueFile::kHistory, kHistoryLabel);
    if (contents.failure)
        return ReaderResult::failed(*contents.failure);

    LineReader lines(std::move(contents.text));
    while (!lines.atEnd()) {
        const QString line = lines.readLine();
        if (!isFramedLine(line))
            return ReaderResult::formatError();
        QString framed;
        if (!FrameRecord(line, framed))
            return ReaderResult::failed(ReadFailure::badRecord(kHistoryLabel));
        if (!framed.contains(u'|'))
            continue;
        FieldCopier fields(framed);
        QString key;
        fields.first(key);
        if (key != title)
            continue;
        if (!(fields.copy(&into.Entered) && fields.copy(nullptr)))
            return ReaderResult::failed(ReadFailure::badRecord(kHistoryLabel));
        return ReaderResult::found();
    }
    return ReaderResult::notFound();
}
