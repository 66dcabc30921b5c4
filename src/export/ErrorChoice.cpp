#include "ErrorChoice.h"

#include "platform/MessageTexts.h"
#include "platform/Prompts.h"

StepOutcome RunWithErrorChoice(Prompts& prompts,
                               const std::function<std::optional<Failure>()>& step) {
    for (;;) {
        const std::optional<Failure> error = step();
        if (!error)
            return StepOutcome::Done;
        switch (prompts.message(MessageTexts::errorChoice(*error),
                                Prompts::Buttons::AbortRetryIgnore)) {
        case Prompts::Answer::Retry:
            continue;
        case Prompts::Answer::Ignore:
            return StepOutcome::Ignored;
        default:
            return StepOutcome::Aborted;
        }
    }
}
