// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReaderResult.h"

#include "platform/MessageTexts.h"

std::optional<Message> ReaderResult::message() const {
    switch (outcome) {
    case Outcome::FormatError:
        return Message{Message::Icon::Critical, MessageTexts::kWrongFormatTitle,
                       MessageTexts::kWrongFormatText};
    case Outcome::ReadFailed:
        return MessageTexts::criticalError(*failure);
    case Outcome::Found:
    case Outcome::NotFound:
        break;
    }
    return std::nullopt;
}
