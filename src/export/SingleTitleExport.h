// SPDX-License-Identifier: GPL-3.0-or-later
// "Jove Export": one document per media file (part) of the title on display, each beside its
// media file and named after it, and the cover copied as folder.jpg beside the first part.
// Every file dialog comes before any file is written.
#pragma once

#include "FileWriter.h"
#include "catalogue/CurrentTitle.h"
#include "settings/Preferences.h"

#include <QString>
#include <QStringList>
#include <optional>

class Prompts;

class SingleTitleExport {
public:
    SingleTitleExport(Prompts& prompts, const Preferences& prefs,
                      FileWriter& writer = FileWriter::standard())
        : prompts_(prompts), prefs_(prefs), writer_(writer) {}

    struct Result {
        QStringList documents; // written, in part order
        QString folderJpg;     // the cover's copy, when one was made
        bool failed = false;   // a step failed or the cover could not be copied
        bool aborted = false;
    };

    // The menu command: the part count (asked when NoFiles gives none), a file dialog per
    // part, then writeParts. Does nothing without a title or when the user cancels.
    Result JoveExport_Click(const CurrentTitle& title);

    // Writes the documents for `mediaFiles` as parts 1, 2, ..., copies the cover, and reports
    // "MMD-files written" unless the user aborted.
    Result writeParts(const CurrentTitle& title, const QStringList& mediaFiles);

    // The leading number of a text, rounded half to even; 0 for none.
    static int PartCount(const QString& text);
    // The document beside a media file: its name's extension replaced by "mmd", or ".mmd"
    // appended to a name without one.
    static QString DocumentPathFor(const QString& mediaFile);

private:
    // `startIn`: the folder the dialog opens in; empty, the dialog's own choice.
    std::optional<QString> GetFileName(int part, const QString& startIn);

    Prompts& prompts_;
    const Preferences& prefs_;
    FileWriter& writer_;
};
