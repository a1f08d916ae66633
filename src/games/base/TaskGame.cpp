#include "games/base/TaskGame.h"

#include <algorithm>

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Font.h"
#include "app/Sprite.h"
#include "app/TextRenderer.h"
#include "app/Textures.h"
#include "games/base/VerdictMark.h"
#include "media/Sound.h"
#include "platform/KeyMap.h"
#include "platform/Renderer.h"

namespace {


const SheetRegion kAnswerBox{"text box", {100, 450, 150, 500}};
constexpr float kBoxHalf = 25.0f;

}  // namespace

TaskGame::TaskGame(int level, const std::string& saveFileName, int tasks, double fontSize, double secondsPerGradePoint)
    : TaskGame(level, saveFileName, tasks, fontSize, secondsPerGradePoint, secondsPerGradePoint) {}

TaskGame::TaskGame(int level, const std::string& saveFileName, int tasks, double fontSize, double secondsPerGradePoint,
                   double secondsPerGradePointEnded)
    : Knobel_Game(level, saveFileName),
      bigFont(std::make_unique<Font>("Arial", fontSize)),
      tally(tasks),
      secondsPerGradePoint(secondsPerGradePoint),
      secondsPerGradePointEnded(secondsPerGradePointEnded) {}

TaskGame::~TaskGame() = default;

void TaskGame::Update() {
    AddRecordsTime(app->frameTime);
    // A play that has ended stays as it ended, its last verdict included.
    if (!IsRunning()) {
        return;
    }
    if (ShowsVerdict()) {
        feedbackTimer -= app->rawFrameTime;
        if (!ShowsVerdict()) {
            if (tally.AllAnswered()) {
                SetState(STATE_FINISHED);
            } else {
                NextTask();
            }
        }
    } else {
        // The verdicts do not count as play time.
        AddPlayTime(app->rawFrameTime);
    }
}

void TaskGame::OnLostDevice() {
    Knobel_Game::OnLostDevice();
    bigFont->OnLostDevice();
}

void TaskGame::OnResetDevice() {
    Knobel_Game::OnResetDevice();
    bigFont->OnResetDevice();
}

const std::string& TaskGame::GetResultText() {
    resultText = tally.ResultText(PlayTimeText(), GradeText());
    return resultText;
}

void TaskGame::ComputeGrade() {
    SetGrade(tally.Grade(GetState() == STATE_FINISHED, GetPlaySeconds(), secondsPerGradePoint,
                         secondsPerGradePointEnded));
}

void TaskGame::JudgeTypedAnswer(bool right, double verdictSeconds) {
    PlaySound(right ? SOUND_KLICK_GAME : SOUND_LAMP1, 1.0f);
    CountAnswer(right, verdictSeconds);
}

void TaskGame::EditDigits(std::string& typed, uint16_t key, std::size_t maxDigits) {
    if (key == platform::vk::Back) {
        if (!typed.empty()) {
            typed.pop_back();
        }
    } else if (key >= '0' && key <= '9' && typed.size() < maxDigits) {
        typed += static_cast<char>(key);
    }
}

int TaskGame::DigitsValue(std::string_view digits) {
    int value = 0;
    for (const char digit : digits) {
        value = value * 10 + (digit - '0');
    }
    return value;
}

void TaskGame::CountAnswer(bool right, double verdictSeconds) {
    (right ? tally.right : tally.wrong) += 1;
    feedbackTimer = verdictSeconds;
}

void TaskGame::DrawAnswer(float x, float y, const std::string& typed, bool typedIsRight,
                          const std::string& correction) const {
    // Wide enough for the longer of the typed text and the correction that
    // may take its place, with room on both sides.
    const auto length = static_cast<float>(std::max(typed.size(), correction.size()));
    const float scale = std::max(1.0f, 0.4f + 0.45f * length);
    DrawAnswer(x, y, scale, typed, typedIsRight, correction, bigFont.get());
}

void TaskGame::DrawAnswer(float x, float y, float widthScale, const std::string& shown, bool shownIsRight,
                          const std::string& correction, Font* font) const {
    const Vec2 scaling{widthScale, 1.0f};
    const Vec2 boxCorner{x - kBoxHalf * widthScale, y - kBoxHalf};
    DrawSprite(app->textures[TEX_MISC1].get(), kAnswerBox, &scaling, nullptr, 0.0, &boxCorner, kWhite);

    const bool wrongVerdict = ShowsVerdict() && !shownIsRight;
    textRenderer->DrawTextAt(wrongVerdict ? correction : shown, x, y, wrongVerdict ? verdict::kSolutionColour : kBlack,
                             kCentred, font);
    if (ShowsVerdict()) {
        verdict::DrawMarkBeside(shownIsRight, x - kBoxHalf * widthScale, y - kBoxHalf, x + kBoxHalf * widthScale,
                                y + kBoxHalf);
    }
}
