#include "CliApp.h"

#include "CliPrompts.h"
#include "browse/FilterRun.h"
#include "browse/GatherTitle.h"
#include "catalogue/CatalogueReader.h"
#include "catalogue/DatabasePaths.h"
#include "catalogue/TitleListReader.h"
#include "export/BatchExport.h"
#include "export/MmdDocument.h"
#include "export/SingleTitleExport.h"
#include "platform/Failure.h"
#include "platform/MessageTexts.h"
#include "platform/SettingsStore.h"
#include "settings/Preferences.h"
#include "settings/SettingsKeys.h"

#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

namespace {

constexpr int kUsageError = 2;
const char* const kOutputNotWritten = "reelkeep-cli: the output could not be written\n";

const QString kUsage = QStringLiteral(
    "usage: reelkeep-cli [--db FOLDER] [--covers FOLDER] COMMAND [ARGUMENTS]\n"
    "commands: settings | settings set APPLICATION KEY VALUE | list | show TITLE | mmd TITLE |\n"
    "          filter [--year YEAR] [--status present|absent] [--entered PREFIX] [--jove] |\n"
    "          export-batch [--to FOLDER] [--dry-run] | export-title TITLE MEDIA_FILE...");

// A walk over a list that a read failure cut short fails as list does; one that reported a
// failure on the way fails too.
int walkStatus(const TitleList& list, const CliPrompts& prompts) {
    if (list.outcome == TitleList::Outcome::Failed)
        return kUsageError;
    return prompts.failed() ? 1 : 0;
}

} // namespace

int CliApp::usage(const QString& problem) {
    err_ << "reelkeep-cli: " << problem << '\n' << kUsage << '\n';
    err_.flush();
    return kUsageError;
}

int CliApp::run(const QStringList& arguments) {
    prefs_ = ReadPreferences(store_);
    dbPath_ = prefs_.DBPath;
    coverPath_ = prefs_.CoverPath;

    QStringList args = arguments;
    std::optional<QString> covers;
    while (!args.isEmpty() && args.first().startsWith(QStringLiteral("--"))) {
        const QString option = args.takeFirst();
        if (option != QLatin1String("--db") && option != QLatin1String("--covers"))
            return usage(QStringLiteral("unknown option ") + option);
        if (args.isEmpty())
            return usage(option + QStringLiteral(" needs a folder"));
        // Absolute, so that documents name their cover pictures wherever they are read.
        const QString folder = QFileInfo(args.takeFirst()).absoluteFilePath();
        if (option == QLatin1String("--db")) {
            const DatabasePaths paths = DatabasePaths::fromFolder(folder);
            dbPath_ = paths.dbPath;
            coverPath_ = paths.coverPath;
        } else {
            covers = WithClosingSeparator(folder);
        }
    }
    // A covers folder is the user's own choice, whichever option came first.
    if (covers)
        coverPath_ = *covers;
    if (args.isEmpty())
        return usage(QStringLiteral("no command given"));

    const QString command = args.takeFirst();
    using Command = int (CliApp::*)(const QStringList&);
    static const QHash<QString, Command> commands = {
        {QStringLiteral("settings"), &CliApp::settingsCommand},
        {QStringLiteral("list"), &CliApp::listCommand},
        {QStringLiteral("show"), &CliApp::showCommand},
        {QStringLiteral("filter"), &CliApp::filterCommand},
        {QStringLiteral("mmd"), &CliApp::mmdCommand},
        {QStringLiteral("export-batch"), &CliApp::exportBatchCommand},
        {QStringLiteral("export-title"), &CliApp::exportTitleCommand},
    };
    const Command run = commands.value(command);
    int status = run ? (this->*run)(args) : usage(QStringLiteral("unknown command ") + command);
    out_.flush();
    // Output a full disk or a closed pipe swallowed is no success.
    if (out_.status() != QTextStream::Ok && status == 0) {
        err_ << kOutputNotWritten;
        status = 1;
    }
    err_.flush();
    return status;
}

int CliApp::settingsCommand(const QStringList& args) {
    if (args.isEmpty()) {
        for (const SettingsKeys::Key& k : SettingsKeys::all()) {
            const QString value = store_.read(k.application, k.key, k.fallback.value_or(QString()));
            out_ << k.application << '/' << k.key << '=' << value << '\n';
        }
        return 0;
    }
    if (args.first() != QLatin1String("set"))
        return usage(QStringLiteral("unknown settings command ") + args.first());
    if (args.size() != 4)
        return usage(QStringLiteral("settings set needs APPLICATION KEY VALUE"));
    if (!SettingsKeys::find(args[1], args[2])) {
        err_ << "reelkeep-cli: no setting " << args[1] << '/' << args[2] << '\n';
        return kUsageError;
    }
    // Stored all the same: the value may be meant for a later version, or be fixed by hand.
    if (const auto how = HowUnknownTextIsRead(args[1], args[2], args[3]))
        err_ << "reelkeep-cli: warning: " << args[1] << '/' << args[2] << '=' << args[3]
             << " is not a value the program knows; " << *how << '\n';
    const SettingsSaved saved = store_.write(args[1], args[2], args[3]);
    for (const Message& message : saved.messages())
        err_ << message.asPlainText() << '\n';
    return saved.saved ? 0 : 1;
}

std::optional<TitleList> CliApp::listForWalk() {
    TitleList list = ReadTitleList(dbPath_, &index_);
    if (list.outcome == TitleList::Outcome::Missing) {
        err_ << "reelkeep-cli: no reelkeep.dat in " << VisibleName(dbPath_) << '\n';
        return std::nullopt;
    }
    // A walk goes over what was read before a failure, as the viewer's list holds it.
    if (list.failure)
        err_ << MessageTexts::criticalError(*list.failure).asPlainText() << '\n';
    return list;
}

int CliApp::listCommand(const QStringList& args) {
    if (!args.isEmpty())
        return usage(QStringLiteral("list takes no arguments"));
    const TitleList list = ReadTitleList(dbPath_, &index_);
    for (qsizetype i = 0; i < list.titles.size(); ++i)
        out_ << list.titles.at(i) << '\n';
    switch (list.outcome) {
    case TitleList::Outcome::Loaded:
        err_ << list.statusText() << '\n';
        return 0;
    case TitleList::Outcome::Stopped:
        return 0;
    case TitleList::Outcome::Failed:
        err_ << MessageTexts::criticalError(*list.failure).asPlainText() << '\n';
        return kUsageError;
    case TitleList::Outcome::Missing:
        break;
    }
    err_ << "reelkeep-cli: no reelkeep.dat in " << VisibleName(dbPath_) << '\n';
    return kUsageError;
}

int CliApp::showCommand(const QStringList& args) {
    if (args.size() != 1)
        return usage(QStringLiteral("show needs one TITLE"));
    const CatalogueReader reader(dbPath_, coverPath_, &index_);
    CurrentTitle title;
    const bool found = GatherTitle(reader, args.first(), title, [this](const Message& message) {
        err_ << message.asPlainText() << '\n';
    });
    // Written by hand to keep the fields in their documented order; QJsonObject would sort them.
    out_ << "{\n";
    const auto& fields = CurrentTitle::fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const QByteArray value =
            QJsonDocument(QJsonArray{title.*fields[i].member}).toJson(QJsonDocument::Compact);
        out_ << "    \"" << fields[i].name
             << "\": " << QString::fromUtf8(value.mid(1, value.size() - 2))
             << (i + 1 < fields.size() ? ",\n" : "\n");
    }
    out_ << "}\n";
    return found ? 0 : 1;
}

int CliApp::mmdCommand(const QStringList& args) {
    if (args.size() != 1)
        return usage(QStringLiteral("mmd needs one TITLE"));
    // The batch export's reading of one title, whatever the batch rules say.
    const CatalogueReader reader(dbPath_, coverPath_, &index_);
    CurrentTitle title;
    CliPrompts prompts(err_);
    auto report = [&](const ReaderResult& result) {
        if (const auto message = result.message())
            prompts.message(*message, Prompts::Buttons::Ok);
        return result;
    };
    const bool found =
        report(reader.ReadTitleRecord(args.first(), title)).outcome == ReaderResult::Outcome::Found;
    if (!found)
        return 1;
    report(reader.ReadImdbRecord(args.first(), title));
    report(reader.ReadMediaRecord(title));
    report(reader.ReadHistoryRecord(args.first(), title));
    out_.flush();
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return 1;
    const QByteArray bytes = MmdFileBytes(BuildMmd(title, GenresFor(title, prefs_.GenreSource)));
    if (out.write(bytes) != bytes.size() || !out.flush()) {
        err_ << kOutputNotWritten;
        return 1;
    }
    return 0;
}

int CliApp::exportBatchCommand(const QStringList& arguments) {
    QStringList args = arguments;
    QString folder = ReadSavePath(store_);
    bool dryRun = false;
    while (!args.isEmpty()) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--dry-run")) {
            dryRun = true;
        } else if (option == QLatin1String("--to") && !args.isEmpty()) {
            folder = args.takeFirst();
        } else {
            return usage(QStringLiteral("export-batch takes [--to FOLDER] [--dry-run]"));
        }
    }
    if (!folder.isEmpty()) // the documents' paths are printed in full
        folder = WithClosingSeparator(QFileInfo(folder).absoluteFilePath());
    const std::optional<TitleList> list = listForWalk();
    if (!list)
        return kUsageError;

    const CatalogueReader reader(dbPath_, coverPath_, &index_);
    CliPrompts prompts(err_);
    BatchExport batch(reader, prefs_, prompts);
    const CatalogueIndex::Pin pin(index_);
    CurrentTitle current;
    const BatchExport::Result result =
        batch.run(list->titles, folder, current, dryRun, [&](const QString& path, bool existed) {
            out_ << path;
            if (dryRun)
                out_ << (existed ? " (replace)" : " (new)");
            out_ << '\n';
        });
    if (dryRun) {
        err_ << QStringLiteral("%1 documents to write, %2 failed.")
                    .arg(result.written)
                    .arg(result.failed)
             << '\n';
    } else {
        err_ << result.statusText() << '\n';
        // The viewer's closing box; a walk here goes on past every failure, so it always ends.
        prompts.message(
            {Message::Icon::Question, MessageTexts::kBatchDoneTitle, MessageTexts::kBatchDone},
            Prompts::Buttons::Ok);
    }
    // Titles after a failure in the title file were never reached: not every document is there.
    return walkStatus(*list, prompts);
}

int CliApp::exportTitleCommand(const QStringList& args) {
    if (args.size() < 2)
        return usage(QStringLiteral("export-title needs TITLE and at least one MEDIA_FILE"));
    const CatalogueReader reader(dbPath_, coverPath_, &index_);
    CurrentTitle title;
    CliPrompts prompts(err_);
    if (!GatherTitle(reader, args.first(), title,
                     [&](const Message& m) { prompts.message(m, Prompts::Buttons::Ok); }))
        return 1;
    QStringList mediaFiles;
    for (qsizetype i = 1; i < args.size(); ++i)
        mediaFiles << QFileInfo(args[i]).absoluteFilePath(); // folder.jpg goes beside part 1
    const SingleTitleExport::Result result =
        SingleTitleExport(prompts, prefs_).writeParts(title, mediaFiles);
    for (const QString& document : result.documents)
        out_ << document << '\n';
    if (!result.folderJpg.isEmpty())
        out_ << result.folderJpg << '\n';
    return result.failed || prompts.failed() ? 1 : 0;
}

int CliApp::filterCommand(const QStringList& arguments) {
    QStringList args = arguments;
    FilterSettings filter;
    while (!args.isEmpty()) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--jove")) {
            filter.FilterJoveOn = true;
            continue;
        }
        if (args.isEmpty())
            return usage(option + QStringLiteral(" needs a value"));
        const QString value = args.takeFirst();
        if (option == QLatin1String("--year")) {
            filter.FilterYearOn = true;
            filter.FilterYearText = value;
        } else if (option == QLatin1String("--entered")) {
            filter.FilterEnteredOn = true;
            filter.FilterEnteredText = value;
        } else if (option == QLatin1String("--status") &&
                   (value == QLatin1String("present") || value == QLatin1String("absent"))) {
            filter.FilterStatusOn = true;
            filter.FilterPresent = value == QLatin1String("present");
        } else {
            return usage(QStringLiteral("unknown filter ") + option + u' ' + value);
        }
    }
    const std::optional<TitleList> list = listForWalk();
    if (!list)
        return kUsageError;
    CatalogueReader reader(dbPath_, coverPath_, &index_);
    reader.skipCovers();
    CliPrompts prompts(err_);
    CurrentTitle current;
    qsizetype found = 0;
    const CatalogueIndex::Pin pin(index_);
    FilterRun(reader, filter, prefs_.JoveRules, prompts)
        .run(list->titles, current, [&](const QString& t) {
            out_ << t << '\n';
            ++found;
        });
    err_ << FilterRun::statusText(found) << '\n';
    return walkStatus(*list, prompts);
}
