// The report of MediaInfo as the window shows and saves it, and the failures it names.
#pragma once

#include <QString>
#include <optional>

// What the error choice names: a number and its description; below it the file and the
// system's reason, where known.
struct MediaInfoError {
    MediaInfoError(int number = 0, QString description = {}, QString file = {}, QString reason = {})
        : number(number), description(std::move(description)), file(std::move(file)),
          reason(std::move(reason)) {}

    int number = 0;
    QString description;
    QString file;
    QString reason;

    friend bool operator==(const MediaInfoError&, const MediaInfoError&) = default;
};

// The report as the report box shows it: every non-empty line followed by "\n". Lines may end
// with LF, CR LF or CR.
QString NonEmptyLines(const QString& report);

// The error choice's text: "Error: 75 (Path/File access error)" CR LF CR LF
// "What do you want to do?"
QString ErrorChoiceText(const MediaInfoError& error);

// Writes `text` to `path` as UTF-8 with the platform's line ends, replacing the file as a whole
// so that a failure leaves any earlier file as it was.
std::optional<MediaInfoError> SaveReport(const QString& path, const QString& text);
