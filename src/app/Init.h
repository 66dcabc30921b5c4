// Start-up: the preferences with their defaults, the filter's start values, and the main
// window with its own load.
#pragma once

#include <memory>

struct AppState;
class Clock;
class Desktop;
class Prompts;
class SettingsStore;
class frmMain;

namespace Init {

// Reads the preferences into `state`, gives the filter its start values from `clock`, and
// creates, loads and shows the main window. The window may already have ended the program
// (no database chosen): see frmMain::ended().
std::unique_ptr<frmMain> Main(AppState& state, SettingsStore& store, Prompts& prompts,
                              Desktop& desktop, const Clock& clock);

} // namespace Init
