// SPDX-License-Identifier: GPL-3.0-or-later
#include "ViewerArguments.h"

#include "platform/MessageTexts.h"

#include <QCommandLineParser>

namespace {

const QCommandLineOption kHelp({QStringLiteral("h"), QStringLiteral("help")},
                               QStringLiteral("Print this help and exit."));
const QCommandLineOption kVersion({QStringLiteral("V"), QStringLiteral("version")},
                                  QStringLiteral("Print the version and the licence and exit."));

} // namespace

ViewerArguments ViewerArguments::parse(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOptions({kHelp, kVersion});
    ViewerArguments parsed;
    if (!parser.parse(arguments)) {
        parsed.problem = parser.errorText();
        return parsed;
    }
    parsed.help = parser.isSet(kHelp);
    parsed.version = parser.isSet(kVersion);
    const QStringList rest = parser.positionalArguments();
    if (rest.size() > 1)
        parsed.problem = QStringLiteral("one catalogue at most, not \"%1\"").arg(rest.at(1));
    else if (!rest.isEmpty())
        parsed.catalogue = rest.first();
    return parsed;
}

QString ViewerArguments::helpText() {
    return QStringLiteral(
        "usage: reelkeep-viewer [-h] [-V] [CATALOGUE]\n\n"
        "Browses a Reelkeep catalogue without changing it, and writes Jove Player media\n"
        "descriptions.\n\n"
        "CATALOGUE, a reelkeep.dat file or the folder holding it, is opened for this run\n"
        "instead of the one saved last; \"Close and Save\" keeps it.\n\n"
        "Options:\n"
        "  -h, --help     Print this help and exit.\n"
        "  -V, --version  Print the version and the licence and exit.\n");
}

QString ViewerArguments::versionText() {
    return MessageTexts::versionText("reelkeep-viewer");
}
