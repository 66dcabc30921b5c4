#include "CliApp.h"

#include "CatalogueReader.h"
#include "DatabasePaths.h"
#include "GatherTitle.h"
#include "Preferences.h"
#include "SettingsKeys.h"
#include "SettingsStore.h"
#include "TitleListReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

namespace {

constexpr int kUsageError = 2;

const QString kUsage =
    QStringLiteral("usage: reelkeep-cli [--db FOLDER] [--covers FOLDER] COMMAND [ARGUMENTS]\n"
                   "commands: settings | settings set APPLICATION KEY VALUE | list | show TITLE");

} // namespace

int CliApp::usage(const QString& problem) {
    err_ << "reelkeep-cli: " << problem << '\n' << kUsage << '\n';
    err_.flush();
    return kUsageError;
}

int CliApp::run(const QStringList& arguments) {
    const Preferences prefs = ReadPreferences(store_);
    dbPath_ = prefs.DBPath;
    coverPath_ = prefs.CoverPath;

    QStringList args = arguments;
    while (!args.isEmpty() && args.first().startsWith(QStringLiteral("--"))) {
        const QString option = args.takeFirst();
        if (option != QLatin1String("--db") && option != QLatin1String("--covers"))
            return usage(QStringLiteral("unknown option ") + option);
        if (args.isEmpty())
            return usage(option + QStringLiteral(" needs a folder"));
        const QString folder = args.takeFirst();
        if (option == QLatin1String("--db")) {
            const DatabasePaths paths = DatabasePaths::fromFolder(folder);
            dbPath_ = paths.dbPath;
            coverPath_ = paths.coverPath;
        } else {
            coverPath_ = WithClosingSeparator(folder);
        }
    }
    if (args.isEmpty())
        return usage(QStringLiteral("no command given"));

    const QString command = args.takeFirst();
    int status = 0;
    if (command == QLatin1String("settings"))
        status = settingsCommand(args);
    else if (command == QLatin1String("list"))
        status = listCommand(args);
    else if (command == QLatin1String("show"))
        status = showCommand(args);
    else
        status = usage(QStringLiteral("unknown command ") + command);
    out_.flush();
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
    store_.write(args[1], args[2], args[3]);
    return 0;
}

int CliApp::listCommand(const QStringList& args) {
    if (!args.isEmpty())
        return usage(QStringLiteral("list takes no arguments"));
    const TitleList list = ReadTitleList(dbPath_);
    for (const QString& title : list.titles)
        out_ << title << '\n';
    switch (list.outcome) {
    case TitleList::Outcome::Loaded:
        err_ << list.statusText() << '\n';
        return 0;
    case TitleList::Outcome::Stopped:
        return 0;
    case TitleList::Outcome::Failed:
        err_ << list.failure->message().asPlainText() << '\n';
        return kUsageError;
    case TitleList::Outcome::Missing:
        break;
    }
    err_ << "reelkeep-cli: no reelkeep.dat in " << dbPath_ << '\n';
    return kUsageError;
}

int CliApp::showCommand(const QStringList& args) {
    if (args.size() != 1)
        return usage(QStringLiteral("show needs one TITLE"));
    const CatalogueReader reader(dbPath_, coverPath_);
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
