// SPDX-License-Identifier: GPL-3.0-or-later
// reelkeep-gen --titles N --seed S --out FOLDER [--utf8]
// Writes a synthetic catalogue of N titles; the same N, seed and encoding give the same bytes.

#include "CatalogueGenerator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

constexpr int kUsageError = 2;

int usage(QTextStream& err, const QString& problem, const QCommandLineParser& parser) {
    err << "reelkeep-gen: " << problem << '\n' << parser.helpText();
    return kUsageError;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes a synthetic Reelkeep catalogue (reelkeep.dat, imdb.dat, media.dat, "
                       "History.dat) into FOLDER."));
    parser.addHelpOption();
    const QCommandLineOption titles(QStringLiteral("titles"), QStringLiteral("Number of titles."),
                                    QStringLiteral("N"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Random seed (default 0)."), QStringLiteral("S"),
                                  QStringLiteral("0"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Folder to write into."),
                                 QStringLiteral("FOLDER"));
    const QCommandLineOption utf8(QStringLiteral("utf8"),
                                  QStringLiteral("Write UTF-8 instead of Windows-1252."));
    parser.addOptions({titles, seed, out, utf8});

    if (!parser.parse(app.arguments()))
        return usage(err, parser.errorText(), parser);
    if (parser.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return usage(err,
                     QStringLiteral("unexpected argument ") + parser.positionalArguments().first(),
                     parser);

    CatalogueGenerator::Options options;
    bool ok = false;
    options.titles = parser.value(titles).toInt(&ok);
    if (!parser.isSet(titles) || !ok || options.titles < 0)
        return usage(err, QStringLiteral("--titles needs a whole number of 0 or more"), parser);
    options.seed = parser.value(seed).toULongLong(&ok);
    if (!ok)
        return usage(err, QStringLiteral("--seed needs a whole number of 0 or more"), parser);
    if (!parser.isSet(out) || parser.value(out).isEmpty())
        return usage(err, QStringLiteral("--out needs a folder"), parser);
    options.utf8 = parser.isSet(utf8);

    QString error;
    if (!CatalogueGenerator::write(options, parser.value(out), &error)) {
        err << "reelkeep-gen: " << error << '\n';
        return 1;
    }
    return 0;
}
