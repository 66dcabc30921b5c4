// SPDX-License-Identifier: GPL-3.0-or-later
// The viewer's command line: --help, --version, and a catalogue to open for this run.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

struct ViewerArguments {
    bool help = false;
    bool version = false;
    std::optional<QString> catalogue; // as given; whether it names one is checked at start-up
    QString problem;                  // what could not be taken; empty when all could

    // `arguments` as QCoreApplication::arguments() gives them, the program first.
    static ViewerArguments parse(const QStringList& arguments);
    static QString helpText();
    static QString versionText();
};
