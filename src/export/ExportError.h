// A step of an export that failed: what the error choice dialog names.
#pragma once

#include "Message.h"

#include <QString>

struct ExportError {
    int number = 0;
    QString description;

    // "Error 76 (Path not found) occured." CR LF CR LF "What do you want to do?"
    Message message() const;

    friend bool operator==(const ExportError&, const ExportError&) = default;
};
