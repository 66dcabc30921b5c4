// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the preferences with their defaults, the filter's start values, and the main
// window with its own load.
#pragma once

#include <QString>
#include <memory>
#include <optional>

struct AppState;
class Clock;
class Desktop;
class Prompts;
class SettingsStore;
class frmMain;

namespace Init {

// Reads the preferences into `state`, gives the filter its start values from `clock`, and
// creates, loads and shows the main window. A `catalogue` given on the command line replaces
// the saved one for this run; one that names no catalogue is reported and left aside. The window
// may already have ended the program (no database chosen): see frmMain::ended().
std::unique_ptr<frmMain> Main(AppState& state, SettingsStore& store, Prompts& prompts,
                              Desktop& desktop, const Clock& clock,
                              const std::optional<QString>& catalogue = std::nullopt);

} // namespace Init
