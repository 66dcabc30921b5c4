// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real reelkeep-cli with its settings in a folder of the test's own.
#pragma once

#include <QProcess>
#include <QStringList>

struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

// `output`: a file standard output goes to instead of the result.
inline CliRun RunCli(const QString& settingsDir, const QStringList& arguments,
                     const QString& output = {}) {
    QProcess process;
    if (!output.isEmpty())
        process.setStandardOutputFile(output);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("REELKEEP_SETTINGS_DIR"), settingsDir);
    process.setProcessEnvironment(env);
    process.start(qEnvironmentVariable("RKV_CLI"), arguments);
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
