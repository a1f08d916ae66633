#include "games/base/VerdictMark.h"
#include "games/numbers/KG_Datum_Game.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Random.h"
#include "app/TextRenderer.h"
#include "games/base/TextBox.h"
#include "platform/KeyMap.h"
#include "platform/Renderer.h"
#include "settings/LanguageTexts.h"
#include "settings/TextFormat.h"

namespace {

constexpr int kTitleText = 170;
constexpr int kHelpText = 171;
constexpr int kDateQuestionText = 188;
constexpr int kWeekdayQuestionText = 189;
constexpr int kSundayText = 190;
constexpr int kStartDateText = 197;

// Steps per task, tasks per play, the chance of a weekday task and whether the
// start moves away from today, by level.
constexpr int kStepCounts[] = {2, 2, 3};
constexpr int kTasks[] = {10, 15, 20};
constexpr double kWeekdayChances[] = {0.1, 0.1, 0.2};
constexpr bool kShiftedStarts[] = {false, true, true};

// The play time that costs one grade point.
constexpr double kSecondsPerGradePoint = 240.0;
constexpr double kFontSize = 25.0;


constexpr float kBoxHalf = 25.0f;
// The answer box widens by this much per character shown in it.
constexpr float kBoxPerCharacter = 0.3f;

// What each step code does: the language text, the unit, the direction and
// the range of the number drawn (a fixed amount when lowest = highest).
enum class Unit { Days, Weeks, Months, Years };
struct Step {
    int text;
    Unit unit;
    int lowest;
    int highest;
};
constexpr Step kSteps[KG_Datum_Game::kStepCodes] = {
    {175, Unit::Days, 1, 30},   {173, Unit::Days, 1, 30},   {176, Unit::Weeks, 1, 1},
    {178, Unit::Weeks, 1, 1},   {177, Unit::Weeks, 2, 4},   {179, Unit::Weeks, 2, 4},
    {180, Unit::Months, 1, 1},  {182, Unit::Months, 1, 1},  {181, Unit::Months, 2, 7},
    {183, Unit::Months, 2, 7},  {184, Unit::Years, 1, 1},   {186, Unit::Years, 1, 1},
    {185, Unit::Years, 2, 51},  {187, Unit::Years, 2, 51},
};

Unit UnitOf(int code) { return code < 0 ? Unit::Days : kSteps[code].unit; }

// Days, weeks, months and years: the weeks' codes 2 to 5 are one group.
int GroupOf(int code) {
    if (code < 0) {
        return -1;
    }
    return static_cast<int>(UnitOf(code));
}

// Day, month and year parted as the language writes them: 14.3.2072 in
// German, 14/3/2072 in (British) English.
char DateSeparator() { return GetAppState()->language == 1 ? '/' : '.'; }

std::string DateText(const Datum& date) {
    const char separator = DateSeparator();
    return std::to_string(date.day) + separator + std::to_string(date.month) + separator + std::to_string(date.year);
}

// Small letters without blanks.
std::string Folded(const std::string& text) {
    std::string folded;
    for (const char c : text) {
        if (c != ' ') {
            folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return folded;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

const std::string& WeekdayName(int weekday) { return GetTextOrEmpty(kSundayText + weekday); }

}  // namespace

KG_Datum_Game::KG_Datum_Game(int level, Datum (*today)())
    : TaskGame(level, kSaveFile, kTasks[std::clamp(level, 0, 2)], kFontSize, kSecondsPerGradePoint),
      today(today),
      stepCount(kStepCounts[this->level]),
      weekdayChance(kWeekdayChances[this->level]),
      shiftedStart(kShiftedStarts[this->level]),
      startDate(today()),
      targetDate(startDate) {
    NextTask();
}

KG_Datum_Game::~KG_Datum_Game() = default;

void KG_Datum_Game::NextTask() {
    input.clear();
    startDate = today();
    if (shiftedStart) {
        const int high = Random();
        const int low = Random();
        startDate.AddDays((high * (kRandMax + 1) + low) % (2 * kLargestShift) - kLargestShift);
    }
    targetDate = startDate;
    weekdayQuestion = Random() / static_cast<double>(kRandMax) <= weekdayChance;
    questionText = GetTextOrEmpty(weekdayQuestion ? kWeekdayQuestionText : kDateQuestionText);
    int code = -1;
    for (int step = 0; step < stepCount; ++step) {
        code = ChooseStepCode(code);
        questionText += ApplyStep(code, targetDate);
    }
}

int KG_Datum_Game::ChooseStepCode(int previous) {
    int code = 0;
    do {
        const int r = Random() % (kStepCodes / 2);
        code = (previous >= 0 && previous % 2 == 0) ? 2 * r + 1 : 2 * r;
    } while (GroupOf(code) == GroupOf(previous));
    return code;
}

std::string KG_Datum_Game::ApplyStep(int code, Datum& date) {
    if (code < 0 || code >= kStepCodes) {
        return std::string();
    }
    const Step& step = kSteps[code];
    const bool drawn = step.lowest != step.highest;
    const int n = drawn ? Random() % (step.highest - step.lowest + 1) + step.lowest : step.lowest;
    const int amount = code % 2 == 0 ? -n : n;
    switch (step.unit) {
        case Unit::Days:
            date.AddDays(amount);
            break;
        case Unit::Weeks:
            date.AddDays(7 * amount);
            break;
        case Unit::Months:
            date.AddMonths(amount);
            break;
        case Unit::Years:
            date.AddYears(amount);
            break;
    }
    // A single day reads in the singular, from the text just before the day step's own.
    if (step.unit == Unit::Days && n == 1) {
        return GetTextOrEmpty(step.text - 1);
    }
    return drawn ? FormatText(step.text, n) : GetTextOrEmpty(step.text);
}

Datum KG_Datum_Game::ReadTypedDate(const std::string& digits, const Datum& today) {
    const int day = digits.size() >= 2 ? DigitsValue(std::string_view(digits).substr(0, 2)) : today.day;
    const int month = digits.size() >= 4 ? DigitsValue(std::string_view(digits).substr(2, 2)) : today.month;
    const int year = digits.size() >= 8 ? DigitsValue(std::string_view(digits).substr(4, 4)) : today.year;
    return Datum::Of(day, month, year);
}

bool KG_Datum_Game::IsWeekdayName(const std::string& typed, int weekday) {
    const std::string name = Folded(WeekdayName(weekday));
    return !name.empty() && Folded(typed) == name;
}

void KG_Datum_Game::OnKeyDown(uint16_t key) {
    // Shift is tracked in every state, so that its release is never missed.
    if (key == platform::vk::Shift) {
        shiftHeld = true;
        return;
    }
    if (!TakesAnswerKeys()) {
        return;
    }
    if (!weekdayQuestion) {
        EditDigits(input, key, kMaxDigits);
    } else if (key == platform::vk::Back) {
        if (!input.empty()) {
            input.pop_back();
        }
    } else if (key >= 'A' && key <= 'Z' && input.size() < kMaxLetters) {
        input += static_cast<char>(shiftHeld ? key : key - 'A' + 'a');
    }
}

void KG_Datum_Game::OnKeyUp(uint16_t key) {
    if (key == platform::vk::Shift) {
        shiftHeld = false;
        return;
    }
    if (key != platform::vk::Return || !TakesAnswerKeys() || input.empty()) {
        return;
    }
    lastAnswerRight = InputIsRight();
    JudgeTypedAnswer(lastAnswerRight, lastAnswerRight ? kRightSeconds : kWrongSeconds);
}

bool KG_Datum_Game::InputIsRight() const {
    if (weekdayQuestion) {
        return IsWeekdayName(input, targetDate.weekday);
    }
    return ReadTypedDate(input, today()).SameDay(targetDate);
}

void KG_Datum_Game::Render() {
    if (!IsStarted()) {
        return;
    }
    const float w = static_cast<float>(app->screenWidth);
    const float h = static_cast<float>(app->screenHeight);
    if (GetState() == STATE_RUNNING) {
        DrawTimePanel();
    }
    const std::string start = FormatText(kStartDateText, WeekdayName(startDate.weekday), startDate.day,
                                         startDate.month, startDate.year);
    textRenderer->DrawTextAt(start, w / 2, h / 2 - 150, kBlack, kCentred, bigFont.get());
    textRenderer->DrawTextAt(questionText, w / 2, h / 2, kBlack, kCentred, bigFont.get());
    DrawAnswer(w / 2, h / 2 + 150);
}

std::string KG_Datum_Game::BoxText() const {
    if (ShowsVerdict()) {
        if (lastAnswerRight && weekdayQuestion) {
            return input;
        }
        return weekdayQuestion ? Trimmed(WeekdayName(targetDate.weekday)) : DateText(targetDate);
    }
    if (weekdayQuestion) {
        return input;
    }
    std::string shown;
    for (std::size_t i = 0; i < input.size(); ++i) {
        shown += input[i];
        if (i == 1 || i == 3) {
            shown += DateSeparator();
        }
    }
    return shown;
}

void KG_Datum_Game::DrawAnswer(float x, float y) const {
    const bool wrongVerdict = ShowsVerdict() && !lastAnswerRight;
    const std::string text = BoxText();
    const float scale = std::max(1.0f, kBoxPerCharacter * static_cast<float>(text.size()));
    // A long answer widens the box several times over: its frame is cut in
    // nine parts, so that its sides keep their width.
    DrawCentredTextBox(x, y, 2.0f * kBoxHalf * scale, 2.0f * kBoxHalf);
    textRenderer->DrawTextAt(text, x, y, wrongVerdict ? verdict::kSolutionColour : kBlack, kCentred, smallFont);
    if (ShowsVerdict()) {
        verdict::DrawMarkBeside(lastAnswerRight, x - kBoxHalf * scale, y - kBoxHalf, x + kBoxHalf * scale,
                                y + kBoxHalf);
    }
}

const std::string& KG_Datum_Game::GetHelpText() { return GetTextOrEmpty(kHelpText); }

const std::string& KG_Datum_Game::GetTitle() { return GetTextOrEmpty(kTitleText); }

bool KG_Datum_Game::HasHelp() { return !weekdayQuestion; }
