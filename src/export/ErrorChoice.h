// The error choice of the exports: a failed step asks Abort, Retry or Ignore. Retry repeats the
// step, Ignore goes on with the next one, Abort ends the command.
#pragma once

#include "platform/Failure.h"

#include <functional>
#include <optional>

class Prompts;

enum class StepOutcome { Done, Ignored, Aborted };

StepOutcome RunWithErrorChoice(Prompts& prompts,
                               const std::function<std::optional<Failure>()>& step);
