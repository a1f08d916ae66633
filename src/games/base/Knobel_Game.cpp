#include "games/base/Knobel_Game.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "app/AppState.h"
#include "app/Font.h"
#include "app/TextRenderer.h"
#include "games/base/GlobalStatistics.h"
#include "games/base/PlayHistory.h"
#include "games/base/RecordsSummary.h"
#include "games/base/TimePanel.h"
#include "platform/Renderer.h"
#include "settings/SaveFailure.h"
#include "settings/TextFormat.h"

namespace {

constexpr int kListLineText = 49;
constexpr int kGradeText = 50;
constexpr int kHelpMargin = 50;
constexpr int kHelpBottomMargin = 70;

const std::string& NoText() {
    static const std::string empty;
    return empty;
}

bool IsTerminal(int state) {
    return state == Knobel_Game::STATE_FINISHED || state == Knobel_Game::STATE_FAILED ||
           state == Knobel_Game::STATE_ABORTED;
}

}  // namespace

Knobel_Game::Knobel_Game(int level, const std::string& saveFileName)
    : level(std::clamp(level, 0, 2)),
      textRenderer(GetTextRenderer()),
      smallFont(textRenderer->AddFont("Arial", 20)),
      saveFileName(saveFileName) {
    records.Load(saveFileName);
}

Knobel_Game::~Knobel_Game() {
    if (recordOnExit) {
        const bool solved = grade <= kSolvedGrade;
        records.AddGrade(grade);
        if (solved) {
            records.AddSolved();
        }
        if (app->statistics) {
            app->statistics->AddGrade(grade);
            if (solved) {
                app->statistics->AddSolved();
            }
        }
        RecordInHistory();
    }
    if (!records.Save(saveFileName)) {
        ReportSaveFailure(*app, saveFileName);
    }
}

void Knobel_Game::RecordInHistory() const {
    history::Play play;
    play.game = saveFileName;
    play.level = level;
    play.inTest = !testStartTime.empty();
    play.test = testStartTime;
    play.grade = grade;
    play.seconds = playSeconds;
    play.end = state == STATE_FINISHED ? "finished" : state == STATE_FAILED ? "failed" : "ended";
    history::Record(std::move(play));
}

// smallFont is one of the text renderer's fonts, which the device reset
// sequence takes care of; games with fonts of their own handle those.
void Knobel_Game::OnLostDevice() {}

void Knobel_Game::OnResetDevice() {}

void Knobel_Game::StartGame() {
    started = true;
    SetState(STATE_RUNNING);
}

void Knobel_Game::SetState(int newState) {
    if (!IsTerminal(state)) {
        state = newState;
    }
}

const std::string& Knobel_Game::GetHelpText() { return NoText(); }

const std::string& Knobel_Game::GetResultText() { return NoText(); }

const std::string& Knobel_Game::GetTitle() { return NoText(); }

const std::string& Knobel_Game::GetStatisticsText() {
    statisticsText.clear();
    for (int i = 0; i < GameRecords::kListedEntries; ++i) {
        const RecordEntry* entry = records.bestList.GetAt(i);
        if (entry != nullptr) {
            statisticsText +=
                FormatText(kListLineText, i + 1, entry->name, entry->day, entry->month, entry->year, entry->grade);
        }
        statisticsText += "\n";
    }
    statisticsText += RecordsSummary(records);
    return statisticsText;
}

void Knobel_Game::ComputeGrade() { SetGrade(kWorstGrade); }

void Knobel_Game::DrawHelpText(GUIElement* /*element*/, int left, int top, int right, int bottom, float x, float y,
                               float /*scaleX*/, float /*scaleY*/, Font* font) {
    const float width = static_cast<float>(right - left);
    const float height = static_cast<float>(bottom - top);
    textRenderer->DrawText(SpacedParagraphs(GetHelpText()), static_cast<int>(x + kHelpMargin),
                           static_cast<int>(y + kHelpMargin), static_cast<int>(x + width - kHelpMargin),
                           static_cast<int>(y + height - kHelpBottomMargin), 0xFF000000u,
                           platform::dt::Left | platform::dt::VCenter | platform::dt::WordBreak, font);
}

bool Knobel_Game::HasHelp() { return true; }

bool Knobel_Game::QualifiesForRecords() { return records.Qualifies(grade); }

std::unique_ptr<RecordEntry> Knobel_Game::CreateRecordEntry() const {
    auto entry = std::make_unique<RecordEntry>();
    entry->grade = grade;
    return entry;
}

void Knobel_Game::AddRecordEntry(std::unique_ptr<RecordEntry> entry) { records.Insert(std::move(entry)); }

void Knobel_Game::ResetRecords() { records.Reset(); }

double Knobel_Game::ClampGrade(double value) {
    return std::isfinite(value) ? std::clamp(value, kBestGrade, kWorstGrade) : kWorstGrade;
}

void Knobel_Game::SetGrade(double value) { grade = ClampGrade(value); }

void Knobel_Game::AddPlayTime(double seconds) {
    if (state == STATE_RUNNING && std::isfinite(seconds)) {
        playSeconds += seconds;
    }
}

void Knobel_Game::AddRecordsTime(double seconds) {
    if (std::isfinite(seconds)) {
        records.totalTime += seconds;
    }
}

std::string Knobel_Game::PlayTimeText(int textIndex) const { return FormatMinutesSeconds(textIndex, playSeconds); }

std::string Knobel_Game::GradeText() const { return FormatText(kGradeText, grade); }

void Knobel_Game::DrawTimePanel(const std::string& status) const { ::DrawTimePanel(playSeconds, status); }
