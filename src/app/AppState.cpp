#include "app/AppState.h"

namespace {

std::unique_ptr<AppState>& Instance() {
    static std::unique_ptr<AppState> instance;
    return instance;
}

}  // namespace

AppState::AppState() = default;

AppState::~AppState() = default;

AppState* GetAppState() {
    std::unique_ptr<AppState>& instance = Instance();
    if (!instance) {
        instance = std::make_unique<AppState>();
    }
    return instance.get();
}

void DestroyAppState() { Instance().reset(); }
