// SPDX-License-Identifier: GPL-3.0-or-later
// Remembers the addresses handed to the desktop instead of opening them.
#pragma once

#include "platform/Desktop.h"

#include <QStringList>

class RecordingDesktop final : public Desktop {
public:
    bool openAddress(const QString& address) override {
        opened << address;
        return accept;
    }

    QStringList opened;
    bool accept = true;
};
