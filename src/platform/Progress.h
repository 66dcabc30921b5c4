// SPDX-License-Identifier: GPL-3.0-or-later
// Progress of a long walk over the title list. The walk reports; a window shows it.
#pragma once

class Progress {
public:
    virtual ~Progress() = default;
    // A walk over `count` entries begins.
    virtual void start(int count) = 0;
    // Entry `index` (0-based) is being worked on; pending window events may run here.
    virtual void step(int index) = 0;
    // The walk has ended, completed or not.
    virtual void finish() = 0;
};
