#include "games/base/StartupFiles.h"

#include <memory>

#include "app/AppState.h"
#include "games/base/GlobalStatistics.h"
#include "settings/LanguageTexts.h"
#include "settings/Settings.h"

void LoadStartupFiles(AppState& app) {
    app.statistics = std::make_shared<GlobalStatistics>();
    app.statistics->Load(GlobalStatistics::kFileName);
    LoadSettings(app);
    LoadLanguage(app, app.language);
}

void SaveExitFiles(AppState& app) {
    SaveSettings(app);
    if (app.statistics) {
        app.statistics->Save(GlobalStatistics::kFileName);
        app.statistics.reset();
    }
}
