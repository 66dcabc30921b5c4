// SPDX-License-Identifier: GPL-3.0-or-later
// Work a dialog hands to the main window: the dialog raises a flag and returns, and the main
// window's timer does the work on its next tick, lowering the flag first.
#pragma once

struct PendingWork {
    bool relayout = false; // new fonts and colours were saved
    bool filter = false;   // the filter dialog asked for a run
};
