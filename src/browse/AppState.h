// SPDX-License-Identifier: GPL-3.0-or-later
// Everything one run of the viewer keeps between events: the preferences, the filter criteria,
// the title last read and the work the dialogs handed over. Created by start-up, passed by
// reference to the windows; nothing of it lives in globals.
#pragma once

#include "FilterSettings.h"
#include "catalogue/CurrentTitle.h"
#include "settings/PendingWork.h"
#include "settings/Preferences.h"

struct AppState {
    Preferences prefs;
    FilterSettings filter;
    CurrentTitle title;
    PendingWork pending;
};
