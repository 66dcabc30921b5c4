// Everything one run of the viewer keeps between events: the preferences, the filter criteria,
// the title last read and the work the dialogs handed over. Created by start-up, passed by
// reference to the windows; nothing of it lives in globals.
#pragma once

#include "CurrentTitle.h"
#include "FilterSettings.h"
#include "PendingWork.h"
#include "Preferences.h"

struct AppState {
    Preferences prefs;
    FilterSettings filter;
    CurrentTitle title;
    PendingWork pending;
};
