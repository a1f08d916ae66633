#include "settings/SaveFailure.h"

#include <cstdio>

#include "app/AppState.h"
#include "platform/MessageBox.h"
#include "settings/FileLocations.h"

void ReportSaveFailure(AppState& app, const std::string& fileName) {
    const std::string path = SaveFileForWriting(fileName);
    if (app.saveFailureReported) {
        std::fprintf(stderr, "Knobelkiste: could not save %s\n", path.c_str());
        return;
    }
    app.saveFailureReported = true;
    if (app.language == 1) {
        platform::ShowErrorMessage("Error!", "Your results could not be saved.", path);
    } else {
        platform::ShowErrorMessage("Fehler!", "Deine Ergebnisse konnten nicht gespeichert werden.", path);
    }
}
