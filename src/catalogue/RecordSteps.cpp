// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordSteps.h"

#include "FileExists.h"
#include "MergeGenres.h"
#include "RecordSyntax.h"
#include "TrimSpaces.h"
#include "platform/MessageTexts.h"

namespace RecordSteps {

namespace {

// Copies the next field into each target in turn; stops at the first missing separator.
// A null target passes a field over.
class FieldCopier {
public:
    explicit FieldCopier(QStringView framed) : fields_(framed) {}

    bool copy(QString* target, bool nullMeansEmpty = true) {
        QString field;
        if (!fields_.take(field))
            return false;
        if (target)
            *target = nullMeansEmpty ? NullToEmpty(field) : field;
        return true;
    }
    bool first(QString& key) { return fields_.take(key); }
    QString remainder() const { return fields_.remainder(); }

private:
    RecordFields fields_;
};

// Media and history files: a line that neither begins nor ends with "~" is not a record.
bool isFramedLine(const QString& line) {
    return line.startsWith(u'~') || line.endsWith(u'~');
}

ReaderResult bad(const QString& label) {
    return ReaderResult::failed(MessageTexts::kBadRecord.at(label));
}

} // namespace

std::optional<ReaderResult> title(const QString& record, const QString& key, CurrentTitle& into,
                                  const QString* coverPath) {
    // A record without any separator ends the search.
    if (!record.contains(u'|'))
        return ReaderResult::notFound();
    QStringView framed;
    if (!FrameRecord(record, framed))
        return bad(kTitleLabel);
    FieldCopier fields(framed);
    QString first;
    if (!fields.first(first))
        return bad(kTitleLabel);
    if (first != key)
        return std::nullopt;

    into.Title = first;
    QString entryKind;
    if (!fields.copy(&entryKind, false))
        return bad(kTitleLabel);
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
    if (!(toComments && fields.copy(&into.Idx)))
        return bad(kTitleLabel);
    into.UserIdx = NullToEmpty(fields.remainder());

    if (coverPath) {
        const QString cover = *coverPath + TrimSpaces(into.Idx) + QStringLiteral(".jpg");
        into.CoverFile = CatalogueFileExists(cover) ? cover : QString();
    }
    return ReaderResult::found();
}

std::optional<ReaderResult> imdb(const QString& record, const QString& key, CurrentTitle& into) {
    if (!record.contains(u'|'))
        return std::nullopt;
    QStringView framed;
    if (!FrameRecord(record, framed))
        return bad(kImdbLabel);
    FieldCopier fields(framed);
    QString first;
    if (!fields.first(first))
        return bad(kImdbLabel);
    if (first != key)
        return std::nullopt;

    const bool complete =
        fields.copy(nullptr) && fields.copy(&into.ImdbName, false) && fields.copy(nullptr) &&
        fields.copy(&into.Year) && fields.copy(&into.Director) && fields.copy(&into.Tagline) &&
        fields.copy(&into.Summary) && fields.copy(&into.ImdbGenre) && fields.copy(&into.Actors) &&
        fields.copy(&into.Mpaa) && fields.copy(&into.Language) && fields.copy(&into.Runtime) &&
        fields.copy(&into.ImdbRating) && fields.copy(&into.ImdbLink);
    if (!complete)
        return bad(kImdbLabel);
    MergeGenres(into);
    return ReaderResult::found();
}

std::optional<ReaderResult> media(const QString& line, CurrentTitle& into) {
    if (!isFramedLine(line))
        return ReaderResult::formatError();
    QStringView framed;
    if (!FrameRecord(line, framed))
        return bad(kMediaLabel);
    if (!framed.contains(u'|'))
        return std::nullopt;
    FieldCopier fields(framed);
    QString first;
    fields.first(first);
    if (first != into.Title)
        return std::nullopt;

    const bool complete = fields.copy(&into.Format) && fields.copy(&into.NoFiles) &&
                          fields.copy(&into.Length) && fields.copy(&into.Width) &&
                          fields.copy(&into.Height) && fields.copy(&into.Framerate) &&
                          fields.copy(&into.VideoBitrate) && fields.copy(&into.VideoCodec) &&
                          fields.copy(&into.AudioBitrate) && fields.copy(&into.AudioCodec) &&
                          fields.copy(&into.AudioChannels);
    if (!complete)
        return bad(kMediaLabel);
    into.Samplerate = NullToEmpty(fields.remainder());
    return ReaderResult::found();
}

std::optional<ReaderResult> history(const QString& line, const QString& key, CurrentTitle& into) {
    if (!isFramedLine(line))
        return ReaderResult::formatError();
    QStringView framed;
    if (!FrameRecord(line, framed))
        return bad(kHistoryLabel);
    if (!framed.contains(u'|'))
        return std::nullopt;
    FieldCopier fields(framed);
    QString first;
    fields.first(first);
    if (first != key)
        return std::nullopt;
    if (!(fields.copy(&into.Entered) && fields.copy(nullptr)))
        return bad(kHistoryLabel);
    return ReaderResult::found();
}

Shape shapeOf(FileKind file, const QString& record) {
    const bool continued = file == FileKind::Title || file == FileKind::Imdb;
    if (continued && !record.contains(u'|'))
        return {file == FileKind::Title ? Shape::Kind::Stop : Shape::Kind::Skipped, {}};
    if (!continued && !isFramedLine(record))
        return {Shape::Kind::Stop, {}};
    QStringView framed;
    if (!FrameRecord(record, framed))
        return {Shape::Kind::Stop, {}};
    QString first;
    if (!RecordFields(framed).take(first))
        return {continued ? Shape::Kind::Stop : Shape::Kind::Skipped, {}};
    return {Shape::Kind::Keyed, first};
}

} // namespace RecordSteps
