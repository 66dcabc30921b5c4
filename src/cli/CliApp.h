// SPDX-License-Identifier: GPL-3.0-or-later
// reelkeep-cli: the viewer's catalogue work from a shell, with no window and no dialog. Its
// command line and output are a contract that scripts rely on; it only ever grows.
#pragma once

#include <QString>
#include <QStringList>

#include "catalogue/CatalogueIndex.h"
#include "catalogue/TitleListReader.h"
#include "settings/Preferences.h"

#include <optional>

class QCommandLineParser;
class QTextStream;
class SettingsStore;

class CliApp {
public:
    CliApp(SettingsStore& store, QTextStream& out, QTextStream& err)
        : store_(store), out_(out), err_(err) {}

    // Runs one command line (without the program name); returns the exit status.
    int run(const QStringList& arguments);

private:
    int usage(const QString& problem);
    static QString parseProblem(const QCommandLineParser& parser, const QStringList& arguments);
    // Flushes the output; output a full disk or a closed pipe swallowed fails a command.
    int finish(int status);
    // The title list for filter, stats and export-batch; nullopt (reported) when there is none.
    std::optional<TitleList> listForWalk();
    int settingsCommand(const QStringList& args);
    int listCommand(const QStringList& args);
    int showCommand(const QStringList& args);
    int filterCommand(const QStringList& args);
    int statsCommand(const QStringList& args);
    int mmdCommand(const QStringList& args);
    int exportBatchCommand(const QStringList& args);
    int exportTitleCommand(const QStringList& args);

    SettingsStore& store_;
    QTextStream& out_;
    QTextStream& err_;
    Preferences prefs_;
    CatalogueIndex index_;
    QString dbPath_;
    QString coverPath_;
};
