#include "ExportError.h"

#include "platform/MessageTexts.h"

Message ExportError::message() const {
    return {Message::Icon::Exclamation, MessageTexts::kErrorChoiceTitle,
            MessageTexts::errorChoiceText(number, description),
            FailureDetails(title, file, reason)};
}
