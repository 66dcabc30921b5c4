#include "ExportError.h"

#include "MessageTexts.h"

Message ExportError::message() const {
    return {Message::Icon::Exclamation, MessageTexts::kErrorChoiceTitle,
            MessageTexts::errorChoiceText(number, description)};
}
