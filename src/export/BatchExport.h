// SPDX-License-Identifier: GPL-3.0-or-later
// "Jove Export Batch": walks the title list, reads each title from the title file, and writes
// the document of every title a batch rule selects into the export folder.
#pragma once

#include "FileWriter.h"
#include "catalogue/CatalogueReader.h"
#include "catalogue/CurrentTitle.h"
#include "catalogue/TitleKeys.h"
#include "settings/Preferences.h"

#include <QString>
#include <QStringList>
#include <functional>

class Progress;
class Prompts;

class BatchExport {
public:
    struct Result {
        int written = 0;
        int failed = 0; // those passed over after Ignore All included
        bool aborted = false;

        // "12 documents written, 1 failed."
        QString statusText() const;
    };

    // Called for each selected title's document: its path, and whether a file of that name
    // existed before (a dry run only reports).
    using DocumentSink = std::function<void(const QString& path, bool existed)>;

    BatchExport(const CatalogueReader& reader, const Preferences& prefs, Prompts& prompts,
                Progress* progress = nullptr, FileWriter& writer = FileWriter::standard())
        : reader_(reader), prefs_(prefs), prompts_(prompts), progress_(progress), writer_(writer) {}

    // Leaves `current` holding the last title read, as the walk refills it title by title.
    Result run(const TitleKeys& titles, const QString& folder, CurrentTitle& current,
               bool dryRun = false, const DocumentSink& onDocument = {});

private:
    const CatalogueReader& reader_;
    const Preferences& prefs_;
    Prompts& prompts_;
    Progress* progress_;
    FileWriter& writer_;
};
