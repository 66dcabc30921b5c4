// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleTitleExport.h"

#include "ErrorChoice.h"
#include "MmdDocument.h"
#include "PathPieces.h"
#include "catalogue/FileExists.h"
#include "catalogue/GenresFor.h"
#include "catalogue/NumberText.h"
#include "platform/MessageTexts.h"
#include "platform/Prompts.h"

#include <QFileInfo>
#include <climits>
#include <cmath>

namespace {

// Whether two paths name the same file: the file systems of Windows and macOS ignore letter case.
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
constexpr Qt::CaseSensitivity kFileNameCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kFileNameCase = Qt::CaseSensitive;
#endif

} // namespace

int SingleTitleExport::PartCount(const QString& text) {
    const double count = std::nearbyint(LeadingNumber(text));
    if (!(count > 0))
        return 0;
    return count > INT_MAX ? INT_MAX : int(count);
}

QString SingleTitleExport::DocumentPathFor(const QString& mediaFile) {
    const QString name = GetAfterSlash(mediaFile);
    const QString folder = mediaFile.left(mediaFile.size() - name.size());
    const qsizetype dot = name.lastIndexOf(u'.');
    return folder + (dot < 0 ? name + u'.' : name.left(dot + 1)) + QStringLiteral("mmd");
}

std::optional<QString> SingleTitleExport::GetFileName(int part, const QString& startIn) {
    OpenFileRequest request;
    request.initialFolder = startIn;
    request.title = MessageTexts::mediaFileTitle(part);
    request.filter = MessageTexts::kMediaFileFilter;
    request.selectedFilter = 2;
    const std::optional<QString> chosen = prompts_.openFile(request);
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    return chosen;
}

SingleTitleExport::Result SingleTitleExport::JoveExport_Click(const CurrentTitle& title) {
    if (title.Title.isEmpty())
        return {};
    int parts = PartCount(title.NoFiles);
    if (parts <= 0) {
        const auto answer = prompts_.inputBox(MessageTexts::kPartsPrompt, MessageTexts::kPartsTitle,
                                              QStringLiteral("2"));
        parts = answer ? PartCount(*answer) : 0;
        if (parts <= 0)
            return {};
    }
    QStringList mediaFiles;
    for (int i = 1; i <= parts; ++i) {
        // A later part opens where the one before was found: parts mostly lie side by side.
        const std::optional<QString> file = GetFileName(
            i, mediaFiles.isEmpty() ? QString() : QFileInfo(mediaFiles.last()).absolutePath());
        if (!file)
            return {};
        mediaFiles << *file;
    }
    return writeParts(title, mediaFiles);
}

SingleTitleExport::Result SingleTitleExport::writeParts(const CurrentTitle& title,
                                                        const QStringList& mediaFiles) {
    Result result;
    ErrorChoice errors(prompts_);
    const QString genres = GenresFor(title, prefs_.GenreSource);
    for (qsizetype i = 0; i < mediaFiles.size(); ++i) {
        const QString& media = mediaFiles[i];
        const QString target = DocumentPathFor(media);
        const QByteArray bytes =
            MmdFileBytes(BuildMmd(title, genres, MmdPart{int(i + 1), GetAfterSlash(media)}));
        const StepOutcome outcome = errors.run([&]() -> std::optional<Failure> {
            // Nor the media file of another part: "b.avi" and "b.mmd" may both be parts.
            const QString targetPath = QFileInfo(target).absoluteFilePath();
            for (const QString& part : mediaFiles)
                if (QFileInfo(part).absoluteFilePath().compare(targetPath, kFileNameCase) == 0) {
                    Failure refused = MessageTexts::wouldReplaceMedia(part).at(target);
                    refused.title = title.Title;
                    return refused;
                }
            auto error = writer_.write(target, bytes);
            if (error)
                error->title = title.Title;
            return error;
        });
        if (outcome == StepOutcome::Aborted) {
            result.failed = result.aborted = true;
            writer_.settleNewFiles();
            return result;
        }
        if (outcome == StepOutcome::Done)
            result.documents << target;
        else
            result.failed = true;
    }

    if (prefs_.CpFolderImage && CatalogueFileExists(title.CoverFile) && !mediaFiles.isEmpty()) {
        const QString target = GetbeforeSlash(mediaFiles.first()) + QStringLiteral("folder.jpg");
        const bool exists = FileExists(target);
        if (!exists || prefs_.CpFolderOverwrite) {
            if (const auto error = writer_.copy(title.CoverFile, target)) {
                result.failed = true;
                prompts_.message({Message::Icon::Question, MessageTexts::kCopyFailedTitle,
                                  MessageTexts::kCopyFailedText,
                                  FailureDetails(title.Title, error->file, error->reason)});
            } else {
                result.folderJpg = target;
            }
        }
    }
    // "Jove files written" means on disk.
    const StepOutcome synced = errors.run([&] { return writer_.syncNewFiles(); });
    result.failed = result.failed || synced != StepOutcome::Done;
    if (synced == StepOutcome::Aborted) {
        result.aborted = true;
        writer_.settleNewFiles();
        return result;
    }
    prompts_.message({Message::Icon::Information, MessageTexts::kMmdWrittenTitle,
                      MessageTexts::kMmdWrittenText});
    return result;
}
