// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop outside the program: opening addresses with their default handler.
#pragma once

#include <QString>

class Desktop {
public:
    virtual ~Desktop() = default;
    // Hands the address to the desktop; false when no handler took it. Callers that must not
    // report failures ignore the result.
    virtual bool openAddress(const QString& address) = 0;
};
