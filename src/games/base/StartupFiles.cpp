#include "games/base/StartupFiles.h"

#include <memory>

#include "app/AppState.h"
#include "games/base/GlobalStatistics.h"
#include "settings/LanguageTexts.h"
#include "settings/SaveFailure.h"
#include "settings/Settings.h"
#include "settings/UnsavedFiles.h"

void LoadStartupFiles(AppState& app) {
    app.statistics = std::make_shared<GlobalStatistics>();
    app.statistics->Load(GlobalStatistics::kFileName);
    LoadSettings(app);
    LoadLanguage(app, app.language);
}

void SaveExitFiles(AppState& app) {
    if (!SaveSettings(app)) {
        ReportSaveFailure(app, "knobel.cfg");
    }
    if (app.statistics) {
        if (!app.statistics->Save(GlobalStatistics::kFileName)) {
            ReportSaveFailure(app, GlobalStatistics::kFileName);
        }
        app.statistics.reset();
    }
    // The game save files that failed during the run get their last chance;
    // the failure was reported when it happened.
    SaveUnsavedFiles();
}
