// SPDX-License-Identifier: GPL-3.0-or-later
// Today's date and time, behind an interface so that date defaults and date buttons are testable.
#pragma once

#include <QDateTime>

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
