// SPDX-License-Identifier: GPL-3.0-or-later
// What one record reader met: the record, no record, or a failure that the caller shows.
#pragma once

#include "platform/Failure.h"
#include "platform/Message.h"

#include <optional>

struct ReaderResult {
    enum class Outcome { Found, NotFound, FormatError, ReadFailed };

    Outcome outcome = Outcome::NotFound;
    std::optional<Failure> failure; // with ReadFailed

    static ReaderResult found() { return {Outcome::Found, std::nullopt}; }
    static ReaderResult notFound() { return {Outcome::NotFound, std::nullopt}; }
    static ReaderResult formatError() { return {Outcome::FormatError, std::nullopt}; }
    static ReaderResult failed(Failure f) { return {Outcome::ReadFailed, std::move(f)}; }

    // The box the user is shown, if any: "Critical Error" or "Wrong format".
    std::optional<Message> message() const;
};
