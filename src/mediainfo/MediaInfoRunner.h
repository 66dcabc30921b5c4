// SPDX-License-Identifier: GPL-3.0-or-later
// Runs MediaInfo on one media file and returns its report. The tool is started directly, without
// a shell, and its standard output is the report; the caller's event loop keeps running while it
// waits, so windows stay responsive.
#pragma once

#include "MediaInfoReport.h"

#include <QString>
#include <chrono>
#include <optional>

class QEventLoop;

struct MediaInfoResult {
    QString report; // the tool's standard output, decoded as UTF-8
    std::optional<Failure> error;
    bool cancelled = false; // cancel() ended the run: neither report nor error
};

class MediaInfoRunner {
public:
    static constexpr std::chrono::milliseconds kDefaultTimeLimit{60000};

    void setTimeLimit(std::chrono::milliseconds limit) { limit_ = limit; }

    // Runs `tool` with the single argument `media`, made absolute, and waits for it to end, at most
    // the time limit; a tool still running then is killed.
    MediaInfoResult run(const QString& tool, const QString& media);

    bool running() const { return loop_ != nullptr; }
    // Ends the run in progress, killing the tool; run() then reports `cancelled`.
    void cancel();

private:
    std::chrono::milliseconds limit_ = kDefaultTimeLimit;
    QEventLoop* loop_ = nullptr;
    bool cancelled_ = false;
};
