#include "Init.h"

#include "browse/AppState.h"
#include "platform/Clock.h"
#include "settings/Preferences.h"
#include "ui/frmMain.h"

namespace Init {

std::unique_ptr<frmMain> Main(AppState& state, SettingsStore& store, Prompts& prompts,
                              Desktop& desktop, const Clock& clock) {
    state.prefs = ReadPreferences(store);
    state.filter = FilterSettings::startValues(clock);
    auto window = std::make_unique<frmMain>(state, store, prompts, desktop, clock);
    window->Form_Load();
    if (!window->ended())
        window->show();
    return window;
}

} // namespace Init
