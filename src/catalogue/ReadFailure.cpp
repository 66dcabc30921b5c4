#include "ReadFailure.h"

#include "platform/MessageTexts.h"

Message ReadFailure::message() const {
    return {Message::Icon::Critical, MessageTexts::kCriticalErrorTitle,
            MessageTexts::criticalErrorText(number, description, file)};
}
