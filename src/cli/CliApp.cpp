// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliApp.h"

#include "CliPrompts.h"
#include "browse/FactSearch.h"
#include "browse/FilterRun.h"
#include "browse/GatherTitle.h"
#include "catalogue/CatalogueReader.h"
#include "catalogue/DatabasePaths.h"
#include "catalogue/GenresFor.h"
#include "catalogue/TitleListReader.h"
#include "export/BatchExport.h"
#include "export/MmdDocument.h"
#include "export/SingleTitleExport.h"
#include "platform/Failure.h"
#include "platform/MessageTexts.h"
#include "platform/SettingsStore.h"
#include "settings/Preferences.h"
#include "settings/SettingsKeys.h"
#include "stats/CollectionStats.h"

#include <QCommandLineParser>
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
    "          filter [--year YEAR] [--status present|absent] [--entered PREFIX] [--jove]\n"
    "                 [--text TEXT] |\n"
    "          stats [--by year|decade|genre|location|medium|rating|status|entered] [--csv] |\n"
    "          export-batch [--to FOLDER] [--dry-run] | export-title TITLE MEDIA_FILE...");

// The command line's options, each once, for parsing and for the help text.
const QCommandLineOption kHelp({QStringLiteral("h"), QStringLiteral("help")},
                               QStringLiteral("Print this help and exit."));
const QCommandLineOption kVersion({QStringLiteral("V"), QStringLiteral("version")},
                                  QStringLiteral("Print the version and the licence and exit."));
const QCommandLineOption kDb(QStringLiteral("db"),
                             QStringLiteral("The catalogue folder for this run, its covers in "
                                            "its Covers folder; not saved."),
                             QStringLiteral("FOLDER"));
const QCommandLineOption kCovers(QStringLiteral("covers"),
                                 QStringLiteral("The covers folder for this run; not saved."),
                                 QStringLiteral("FOLDER"));
const QCommandLineOption kYear(QStringLiteral("year"),
                               QStringLiteral("Titles whose year's last four characters are "
                                              "YEAR."),
                               QStringLiteral("YEAR"));
const QCommandLineOption kStatus(QStringLiteral("status"),
                                 QStringLiteral("Titles present (the status Present) or absent "
                                                "(any other)."),
                                 QStringLiteral("present|absent"));
const QCommandLineOption kEntered(QStringLiteral("entered"),
                                  QStringLiteral("Titles entered on a date starting with PREFIX "
                                                 "(yyyy-mm-dd)."),
                                  QStringLiteral("PREFIX"));
const QCommandLineOption kJove(QStringLiteral("jove"),
                               QStringLiteral("Titles a batch rule selects."));
const QCommandLineOption kText(QStringLiteral("text"),
                               QStringLiteral("Titles where any fact contains TEXT, letter case "
                                              "and accents ignored."),
                               QStringLiteral("TEXT"));
const QCommandLineOption kBy(QStringLiteral("by"),
                             QStringLiteral("Count by DIMENSION; year unless given."),
                             QStringLiteral("DIMENSION"));
const QCommandLineOption kCsv(QStringLiteral("csv"),
                              QStringLiteral("Print CSV: a header line \"value,count\", then one "
                                             "row per value."));
const QCommandLineOption kTo(QStringLiteral("to"),
                             QStringLiteral("The folder to write into instead of the saved "
                                            "export path."),
                             QStringLiteral("FOLDER"));
const QCommandLineOption kDryRun(QStringLiteral("dry-run"),
                                 QStringLiteral("Write nothing; mark each path (new) or "
                                                "(replace)."));

struct CommandHelp {
    const char* name;
    const char* synopsis;
    const char* about;
    QList<QCommandLineOption> options;
};

const QList<CommandHelp>& commandHelp() {
    static const QList<CommandHelp> commands = {
        {"settings",
         "settings | settings set APPLICATION KEY VALUE",
         "Prints every setting as Application/Key=value, stored or default; \"set\" stores one "
         "value.",
         {}},
        {"list", "list", "Prints the titles of the title list in file order, one a line.", {}},
        {"show", "show TITLE", "Prints every fact of TITLE as one JSON object.", {}},
        {"mmd", "mmd TITLE", "Prints the batch document of TITLE.", {}},
        {"filter",
         "filter [--year YEAR] [--status present|absent] [--entered PREFIX] [--jove] "
         "[--text TEXT]",
         "Prints the titles of the list that pass every criterion given.",
         {kYear, kStatus, kEntered, kJove, kText}},
        {"stats",
         "stats [--by DIMENSION] [--csv]",
         "Prints how many titles of the list fall under each value of DIMENSION: year,\n"
         "      decade, genre, location, medium, rating, status or entered; \"VALUE<TAB>COUNT\"\n"
         "      a line, the empty value last.",
         {kBy, kCsv}},
        {"export-batch",
         "export-batch [--to FOLDER] [--dry-run]",
         "Writes the document of every title a batch rule selects and prints its path.",
         {kTo, kDryRun}},
        {"export-title",
         "export-title TITLE MEDIA_FILE...",
         "Writes TITLE's document beside each media file (parts 1, 2, ...) and prints the\n"
         "      paths written.",
         {}},
    };
    return commands;
}

// "  --db <FOLDER>   The catalogue folder ..." for each option, aligned.
QString optionLines(const QList<QCommandLineOption>& options) {
    QStringList names;
    for (const QCommandLineOption& option : options) {
        QStringList dashed;
        for (const QString& name : option.names())
            dashed << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        names << dashed.join(QStringLiteral(", ")) +
                     (option.valueName().isEmpty() ? QString() : u' ' + option.valueName());
    }
    qsizetype width = 0;
    for (const QString& name : names)
        width = std::max(width, name.size());
    QString text;
    for (qsizetype i = 0; i < options.size(); ++i)
        text += QStringLiteral("  ") + names[i].leftJustified(width + 2) +
                options[i].description() + u'\n';
    return text;
}

QString programHelp() {
    QString text = kUsage +
                   QStringLiteral("\n\nReads a Reelkeep catalogue and writes Jove Player "
                                  "media descriptions, without a window.\n\nOptions:\n") +
                   optionLines({kHelp, kVersion, kDb, kCovers}) + QStringLiteral("\nCommands:\n");
    for (const CommandHelp& command : commandHelp())
        text += QStringLiteral("  %1\n      %2\n")
                    .arg(QLatin1String(command.synopsis), QLatin1String(command.about));
    return text + QStringLiteral("\n\"reelkeep-cli COMMAND --help\" describes one command.\n"
                                 "Exit status: 0 done; 1 a failure was reported; 2 the command "
                                 "line or the\ntitle list could not be used.\n");
}

QString commandHelpText(const CommandHelp& command) {
    // The about text's later lines are indented for the program's help; here they start the line.
    const QString about =
        QString::fromLatin1(command.about).replace(QLatin1String("\n      "), QLatin1String("\n"));
    QString text = QStringLiteral("usage: reelkeep-cli [--db FOLDER] [--covers FOLDER] %1\n\n%2\n")
                       .arg(QLatin1String(command.synopsis), about);
    if (!command.options.isEmpty())
        text += QStringLiteral("\nOptions:\n") + optionLines(command.options);
    return text;
}

bool asksForHelp(const QStringList& args) {
    return args.size() == 1 &&
           (args.first() == QLatin1String("-h") || args.first() == QLatin1String("--help"));
}

// A walk over a list that a read failure cut short fails as list does; one that reported a
// failure on the way fails too.
int walkStatus(const TitleList& list, const CliPrompts& prompts) {
    if (list.outcome == TitleList::Outcome::Failed)
        return kUsageError;
    return prompts.failed() ? 1 : 0;
}

} // namespace

// What the parser could not take, in the words the usage errors have always used.
QString CliApp::parseProblem(const QCommandLineParser& parser, const QStringList& arguments) {
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().first();
        return QStringLiteral("unknown option ") +
               (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    }
    for (const QCommandLineOption& option : {kDb, kCovers, kYear, kStatus, kEntered, kTo, kBy})
        if (!arguments.isEmpty() &&
            arguments.last() == QStringLiteral("--") + option.names().first())
            return arguments.last() + (option.valueName() == QLatin1String("FOLDER")
                                           ? QStringLiteral(" needs a folder")
                                           : QStringLiteral(" needs a value"));
    return parser.errorText();
}

int CliApp::usage(const QString& problem) {
    err_ << "reelkeep-cli: " << problem << '\n' << kUsage << '\n';
    err_.flush();
    return kUsageError;
}

int CliApp::run(const QStringList& arguments) {
    prefs_ = ReadPreferences(store_);
    dbPath_ = prefs_.DBPath;
    coverPath_ = prefs_.CoverPath;

    // Options end at the command: what follows is the command's, taken as it stands.
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.addOptions({kHelp, kVersion, kDb, kCovers});
    if (!parser.parse(QStringList{QStringLiteral("reelkeep-cli")} + arguments))
        return usage(parseProblem(parser, arguments));
    if (parser.isSet(kHelp)) {
        out_ << programHelp();
        return finish(0);
    }
    if (parser.isSet(kVersion)) {
        out_ << MessageTexts::versionText("reelkeep-cli");
        return finish(0);
    }
    // Absolute, so that documents name their cover pictures wherever they are read.
    if (parser.isSet(kDb)) {
        const DatabasePaths paths =
            DatabasePaths::fromFolder(QFileInfo(parser.value(kDb)).absoluteFilePath());
        dbPath_ = paths.dbPath;
        coverPath_ = paths.coverPath;
    }
    // A covers folder is the user's own choice, whichever option came first.
    if (parser.isSet(kCovers))
        coverPath_ = WithClosingSeparator(QFileInfo(parser.value(kCovers)).absoluteFilePath());
    QStringList args = parser.positionalArguments();
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
        {QStringLiteral("stats"), &CliApp::statsCommand},
        {QStringLiteral("export-batch"), &CliApp::exportBatchCommand},
        {QStringLiteral("export-title"), &CliApp::exportTitleCommand},
    };
    const Command run = commands.value(command);
    if (!run)
        return usage(QStringLiteral("unknown command ") + command);
    if (asksForHelp(args)) {
        for (const CommandHelp& help : commandHelp())
            if (command == QLatin1String(help.name))
                out_ << commandHelpText(help);
        return finish(0);
    }
    // "--" before a title ends the options, for a title such as "--help".
    if (!args.isEmpty() && args.first() == QLatin1String("--"))
        args.removeFirst();
    return finish((this->*run)(args));
}

int CliApp::finish(int status) {
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
    QCommandLineParser parser;
    parser.addOptions({kTo, kDryRun});
    if (!parser.parse(QStringList{QStringLiteral("export-batch")} + arguments))
        return usage(parseProblem(parser, arguments));
    if (!parser.positionalArguments().isEmpty())
        return usage(QStringLiteral("export-batch takes [--to FOLDER] [--dry-run]"));
    const bool dryRun = parser.isSet(kDryRun);
    QString folder = parser.isSet(kTo) ? parser.value(kTo) : ReadSavePath(store_);
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
    QCommandLineParser parser;
    parser.addOptions({kYear, kStatus, kEntered, kJove, kText});
    if (!parser.parse(QStringList{QStringLiteral("filter")} + arguments))
        return usage(parseProblem(parser, arguments));
    if (!parser.positionalArguments().isEmpty())
        return usage(QStringLiteral("unknown filter ") + parser.positionalArguments().first());
    FilterSettings filter;
    filter.FilterJoveOn = parser.isSet(kJove);
    if ((filter.FilterTextOn = parser.isSet(kText)))
        filter.FilterText = parser.value(kText);
    if ((filter.FilterYearOn = parser.isSet(kYear)))
        filter.FilterYearText = parser.value(kYear);
    if ((filter.FilterEnteredOn = parser.isSet(kEntered)))
        filter.FilterEnteredText = parser.value(kEntered);
    if ((filter.FilterStatusOn = parser.isSet(kStatus))) {
        const QString status = parser.value(kStatus);
        if (status != QLatin1String("present") && status != QLatin1String("absent"))
            return usage(QStringLiteral("unknown filter --status ") + status);
        filter.FilterPresent = status == QLatin1String("present");
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
    FactSearch search(index_, dbPath_);
    FilterRun(reader, filter, prefs_.JoveRules, prefs_.GenreSource, prompts, nullptr, &search)
        .run(list->titles, current, [&](const QString& t) {
            out_ << t << '\n';
            ++found;
        });
    err_ << FilterRun::statusText(found) << '\n';
    return walkStatus(*list, prompts);
}

int CliApp::statsCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOptions({kBy, kCsv});
    if (!parser.parse(QStringList{QStringLiteral("stats")} + arguments))
        return usage(parseProblem(parser, arguments));
    if (!parser.positionalArguments().isEmpty())
        return usage(QStringLiteral("stats takes [--by DIMENSION] [--csv]"));
    const QString by = parser.isSet(kBy) ? parser.value(kBy) : QStringLiteral("year");
    const std::optional<FigureDimension> dimension = FigureDimensionNamed(by);
    if (!dimension)
        return usage(QStringLiteral("unknown stats --by ") + by);
    const std::optional<TitleList> list = listForWalk();
    if (!list)
        return kUsageError;
    const CollectionFigures figures =
        CollectionStats(index_, dbPath_, prefs_.GenreSource).compute(list->titles);
    for (const QString& failure : figures.failures)
        err_ << failure << '\n';
    const QList<FigureCount>& rows = figures.of(*dimension);
    if (parser.isSet(kCsv)) {
        out_ << QString::fromUtf8(FiguresCsv(rows));
    } else {
        for (const FigureCount& row : rows)
            out_ << row.value << '\t' << row.count << '\n';
    }
    if (list->outcome == TitleList::Outcome::Failed)
        return kUsageError;
    return figures.failures.isEmpty() ? 0 : 1;
}
