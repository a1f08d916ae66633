#include "HostedGame.h"

#include <array>
#include <utility>

#include "app/AppState.h"
#include "settings/LanguageTexts.h"
#include "settings/TextFormat.h"

double HostedGame::grade = 2.0;
int HostedGame::tasks = 1;
bool HostedGame::withHelp = true;
HostedGame* HostedGame::current = nullptr;

HostedGame::HostedGame(int level, const std::string& saveFile) : Knobel_Game(level, saveFile) { current = this; }

HostedGame::~HostedGame() {
    if (current == this) {
        current = nullptr;
    }
}

void HostedGame::OnLeftButtonUp(int x, int y) {
    input.push_back("up " + std::to_string(x) + "," + std::to_string(y));
}

void HostedGame::OnKeyDown(uint16_t key) {
    input.push_back("keydown " + std::to_string(key));
    if (IsRunning() && key == kAnswerKey && ++answered >= tasks) {
        SetState(STATE_FINISHED);
    }
}

void HostedGame::OnKeyUp(uint16_t key) { input.push_back("keyup " + std::to_string(key)); }

void HostedGame::Update() {
    ++updates;
    AddPlayTime(app->frameTime);
    AddRecordsTime(app->frameTime);
}

void HostedGame::Render() {
    if (IsRunning()) {
        DrawTimePanel();
    }
}

const std::string& HostedGame::GetTitle() { return GetTextOrEmpty(13); }

const std::string& HostedGame::GetHelpText() { return GetTextOrEmpty(73); }

const std::string& HostedGame::GetResultText() {
    resultText = PlayTimeText() + "\n" + FormatText(30, answered) + "\n\n" + GradeText();
    return resultText;
}

void HostedGame::ComputeGrade() { SetGrade(grade); }

std::string HostedGameSaveFile(int index) { return "hosted" + std::to_string(index) + ".sav"; }

namespace {

template <int Index>
std::unique_ptr<Knobel_Game> CreateHosted(int level) {
    return std::make_unique<HostedGame>(level, HostedGameSaveFile(Index));
}

template <std::size_t... Index>
constexpr std::array<GameFactory, kGameCount> HostedFactories(std::index_sequence<Index...>) {
    return {&CreateHosted<static_cast<int>(Index)>...};
}

constexpr std::array<GameFactory, kGameCount> kHostedFactories =
    HostedFactories(std::make_index_sequence<kGameCount>());

}  // namespace

GameTableScope::GameTableScope() {
    for (int index = 0; index < kGameCount; ++index) {
        saved[index] = ReplaceGameFactory(index, nullptr);
    }
    HostedGame::grade = 2.0;
    HostedGame::tasks = 1;
    HostedGame::withHelp = true;
}

GameTableScope::~GameTableScope() {
    for (int index = 0; index < kGameCount; ++index) {
        ReplaceGameFactory(index, saved[index]);
    }
}

void GameTableScope::Host(int index) { ReplaceGameFactory(index, kHostedFactories[index]); }

void GameTableScope::HostAll() {
    for (int index = 0; index < kGameCount; ++index) {
        Host(index);
    }
}
