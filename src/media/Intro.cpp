#include "media/Intro.h"

#include "app/AppState.h"
#include "platform/VideoPlayer.h"

bool PlayIntro(AppState& app, const std::string& fileName) {
    if (!IntroPlays(app, fileName)) {
        return true;
    }
    switch (platform::PlayVideoFullscreen(fileName, app.clock.get())) {
    case platform::VideoEnd::Escape:
        app.escapeArmed = false;
        return true;
    case platform::VideoEnd::Quit:
        return false;
    case platform::VideoEnd::Finished:
    case platform::VideoEnd::Failed:
        break;
    }
    return true;
}

bool IntroPlays(const AppState& app, const std::string& fileName) {
    return app.introEnabled && app.fullscreen && !fileName.empty();
}
