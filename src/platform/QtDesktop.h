// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Desktop.h"

class QtDesktop final : public Desktop {
public:
    bool openAddress(const QString& address) override;
};
