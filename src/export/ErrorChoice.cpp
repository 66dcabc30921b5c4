#include "ErrorChoice.h"

#include "platform/Prompts.h"

StepOutcome RunWithErrorChoice(Prompts& prompts,
                               const std::function<std::optional<ExportError>()>& step) {
    for (;;) {
        const std::optional<ExportError> error = step();
        if (!error)
            return StepOutcome::Done;
        switch (prompts.message(error->message(), Prompts::Buttons::AbortRetryIgnore)) {
        case Prompts::Answer::Retry:
            continue;
        case Prompts::Answer::Ignore:
            return StepOutcome::Ignored;
        default:
            return StepOutcome::Aborted;
        }
    }
}
