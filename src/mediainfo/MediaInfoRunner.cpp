// SPDX-License-Identifier: GPL-3.0-or-later
#include "MediaInfoRunner.h"

#include "platform/MessageTexts.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

MediaInfoResult MediaInfoRunner::run(const QString& tool, const QString& media) {
    QProcess process;
    process.setProgram(tool);
    // Absolute, so that a name starting with "-" is never read as an option: MediaInfo knows no
    // "--" to end its options.
    process.setArguments({QFileInfo(media).absoluteFilePath()});
    // A tool that reads its input must not wait for a terminal that is not there; what it says
    // on standard error is no part of the report.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            loop.quit();
    });
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);

    cancelled_ = false;
    process.start();
    timer.start(limit_);
    if (process.state() != QProcess::NotRunning) {
        loop_ = &loop;
        loop.exec();
        loop_ = nullptr;
    }
    timer.stop();

    // Still running after the loop: the time ran out or the run was cancelled.
    const bool stopped = process.state() != QProcess::NotRunning;
    if (stopped) {
        process.kill();
        process.waitForFinished(5000);
    }
    MediaInfoResult result;
    if (cancelled_) {
        result.cancelled = true;
    } else if (process.error() == QProcess::FailedToStart) {
        result.error = MessageTexts::kMediaInfoNotStarted.at();
    } else if (stopped) {
        const auto seconds = std::chrono::duration<double>(limit_).count();
        result.error = MessageTexts::mediaInfoTimedOut(seconds).at();
    } else if (process.exitStatus() == QProcess::CrashExit) {
        result.error = MessageTexts::kMediaInfoCrashed.at();
    } else {
        result.report = QString::fromUtf8(process.readAllStandardOutput());
        if (process.exitCode() != 0 && result.report.isEmpty())
            result.error = MessageTexts::mediaInfoNoReport(process.exitCode()).at();
    }
    return result;
}

void MediaInfoRunner::cancel() {
    if (!loop_)
        return;
    cancelled_ = true;
    loop_->quit();
}
