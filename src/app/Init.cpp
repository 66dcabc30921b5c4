// SPDX-License-Identifier: GPL-3.0-or-later
#include "Init.h"

#include "browse/AppState.h"
#include "catalogue/DatabasePaths.h"
#include "platform/Clock.h"
#include "platform/MessageTexts.h"
#include "platform/Prompts.h"
#include "settings/Preferences.h"
#include "ui/frmMain.h"

namespace Init {

std::unique_ptr<frmMain> Main(AppState& state, SettingsStore& store, Prompts& prompts,
                              Desktop& desktop, const Clock& clock,
                              const std::optional<QString>& catalogue) {
    state.prefs = ReadPreferences(store);
    if (catalogue) {
        if (const auto paths = DatabasePaths::fromArgument(*catalogue)) {
            state.prefs.DBPath = paths->dbPath;
            state.prefs.CoverPath = paths->coverPath;
        } else {
            prompts.message(MessageTexts::notACatalogue(VisibleName(*catalogue)));
        }
    }
    state.filter = FilterSettings::startValues(clock);
    auto window = std::make_unique<frmMain>(state, store, prompts, desktop, clock);
    window->Form_Load();
    if (!window->ended())
        window->show();
    return window;
}

} // namespace Init
