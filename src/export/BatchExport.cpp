// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchExport.h"

#include "BatchDocument.h"
#include "ErrorChoice.h"
#include "MmdDocument.h"
#include "catalogue/FileExists.h"
#include "catalogue/GenresFor.h"
#include "catalogue/WalkReports.h"
#include "platform/MessageTexts.h"
#include "platform/Progress.h"
#include "platform/Prompts.h"
#include "settings/JoveRules.h"

QString BatchExport::Result::statusText() const {
    return MessageTexts::batchStatus(written, failed);
}

BatchExport::Result BatchExport::run(const TitleKeys& titles, const QString& folder,
                                     CurrentTitle& current, bool dryRun,
                                     const DocumentSink& onDocument) {
    Result result;
    WalkReports reports(prompts_);
    ErrorChoice errors(prompts_, true);
    if (!dryRun)
        FileWriter::removeStaleTemporaries(folder);
    if (progress_)
        progress_->start(int(titles.size()));
    for (qsizetype i = 0; i < titles.size(); ++i) {
        if (progress_)
            progress_->step(int(i));
        const QString key = titles.at(i).toString();
        ClearCurrentTitle(current);
        reports.report("title", reader_.ReadTitleRecord(key, current));
        if (!EvaluateJoveBatch(prefs_.JoveRules, current))
            continue;
        reports.report("imdb", reader_.ReadImdbRecord(key, current));
        reports.report("media", reader_.ReadMediaRecord(current));
        reports.report("history", reader_.ReadHistoryRecord(key, current));

        const QString genres = GenresFor(current, prefs_.GenreSource);
        QString path;
        const StepOutcome outcome = errors.run([&]() -> std::optional<Failure> {
            auto error = BatchDocumentPath(folder, current.Idx, path);
            if (!error && !dryRun)
                error = WriteIt(folder, current, genres, writer_);
            if (error) {
                error->title = current.Title;
                return error;
            }
            if (onDocument) // a dry run writes nothing, so the file it finds is an older one
                onDocument(path, dryRun && FileExists(path));
            return std::nullopt;
        });
        if (outcome == StepOutcome::Done) {
            ++result.written;
        } else {
            ++result.failed;
            if (outcome == StepOutcome::Aborted) {
                result.aborted = true;
                break;
            }
        }
    }
    // "Done!" means on disk: the new documents go there together, in one wait. A failure there
    // concerns every document written, so it is asked about even after Ignore All.
    if (!dryRun && !result.aborted &&
        ErrorChoice(prompts_).run([&] { return writer_.syncNewFiles(); }) == StepOutcome::Aborted)
        result.aborted = true;
    if (result.aborted)
        writer_.settleNewFiles();
    if (progress_)
        progress_->finish();
    return result;
}
