#include "QuizGame.h"

#include "app/AppState.h"
#include "settings/LanguageTexts.h"
#include "settings/TextFormat.h"

QuizGame::QuizGame(int level, int tasks) : Knobel_Game(level, kSaveFile), tasks(tasks) {}

void QuizGame::OnKeyDown(uint16_t key) {
    if (!IsRunning() || (key != kRightKey && key != kWrongKey)) return;
    ++answered;
    if (key == kWrongKey) ++wrong;
    if (answered == tasks) SetState(STATE_FINISHED);
}

void QuizGame::Update() { AddPlayTime(app->rawFrameTime); AddRecordsTime(app->frameTime); }

void QuizGame::Render() {
    if (IsRunning()) DrawTimePanel();
}

const std::string& QuizGame::GetTitle() { return GetTextOrEmpty(13); }

const std::string& QuizGame::GetHelpText() { return GetTextOrEmpty(73); }

const std::string& QuizGame::GetResultText() {
    resultText = PlayTimeText() + "\n" + FormatText(23, wrong) + "\n\n" + GradeText();
    return resultText;
}

void QuizGame::ComputeGrade() {
    const double answers = answered;
    SetGrade(1.0 + 5.0 * wrong / answers + GetPlaySeconds() / 100.0);
}
