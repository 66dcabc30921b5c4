// SPDX-License-Identifier: GPL-3.0-or-later
#include "ErrorChoice.h"

#include "platform/MessageTexts.h"
#include "platform/Prompts.h"

StepOutcome ErrorChoice::run(const std::function<std::optional<Failure>()>& step) {
    const Prompts::Buttons buttons = offerIgnoreAll_ ? Prompts::Buttons::AbortRetryIgnoreAll
                                                     : Prompts::Buttons::AbortRetryIgnore;
    for (;;) {
        const std::optional<Failure> error = step();
        if (!error)
            return StepOutcome::Done;
        if (ignoringAll_)
            return StepOutcome::Ignored;
        switch (prompts_.message(MessageTexts::errorChoice(*error), buttons)) {
        case Prompts::Answer::Retry:
            continue;
        case Prompts::Answer::IgnoreAll:
            ignoringAll_ = true;
            return StepOutcome::Ignored;
        case Prompts::Answer::Ignore:
            return StepOutcome::Ignored;
        default:
            return StepOutcome::Aborted;
        }
    }
}
