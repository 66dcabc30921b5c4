// SPDX-License-Identifier: GPL-3.0-or-later
// The error choice of the exports: a failed step asks Abort, Retry or Ignore. Retry repeats the
// step, Ignore goes on with the next one, Abort ends the command. A run over many titles also
// offers Ignore All, which skips every later failure of the run without asking.
#pragma once

#include "platform/Failure.h"

#include <functional>
#include <optional>

class Prompts;

enum class StepOutcome { Done, Ignored, Aborted };

class ErrorChoice {
public:
    explicit ErrorChoice(Prompts& prompts, bool offerIgnoreAll = false)
        : prompts_(prompts), offerIgnoreAll_(offerIgnoreAll) {}

    StepOutcome run(const std::function<std::optional<Failure>()>& step);

private:
    Prompts& prompts_;
    bool offerIgnoreAll_;
    bool ignoringAll_ = false;
};
