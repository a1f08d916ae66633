#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "games/numbers/Datum.h"
#include "games/numbers/TaskGame.h"

// Calendar arithmetic: from a start date, two or three steps forward and back
// in days, weeks, months or years; the player types the date they lead to
// (as DDMMYYYY) or, in some tasks, its weekday by name, and confirms with
// Enter. A right verdict shows for one second, a wrong one, with the right
// answer, for two; then the next task follows, 10, 15 or 20 of them by level.
// Save file "datum.sav".
class KG_Datum_Game : public TaskGame {
public:
    static constexpr const char* kSaveFile = "datum.sav";
    static constexpr std::size_t kMaxDigits = 8;
    static constexpr std::size_t kMaxLetters = 15;
    static constexpr double kRightSeconds = 1.0;
    static constexpr double kWrongSeconds = 2.0;
    // A shifted start lies up to this many days before or after today.
    static constexpr int kLargestShift = 36500;

    // The steps of a task by code: even codes go back, odd codes forward;
    // 0, 1 days; 2 to 5 weeks; 6 to 9 months; 10 to 13 years.
    static constexpr int kStepCodes = 14;

    // today: the clock the game takes today's date from.
    explicit KG_Datum_Game(int level, Datum (*today)() = &Datum::Today);
    ~KG_Datum_Game() override;

    void OnKeyDown(uint16_t key) override;
    void OnKeyUp(uint16_t key) override;
    void Render() override;

    const std::string& GetHelpText() override;
    const std::string& GetTitle() override;
    // The help explains the date input, so it opens only with a date task.
    bool HasHelp() override;

    const Datum& StartDate() const { return startDate; }
    const Datum& TargetDate() const { return targetDate; }
    bool AsksWeekday() const { return weekdayQuestion; }
    const std::string& QuestionText() const { return questionText; }
    const std::string& Input() const { return input; }

    // The code of the step after the previous one (-1 before the first):
    // back after forward and forward after back, in another unit.
    static int ChooseStepCode(int previous);
    // Moves the date by the step of the code and returns the step's text.
    static std::string ApplyStep(int code, Datum& date);
    // Typed digits DDMMYYYY read as a date; a part not typed in full is
    // today's.
    static Datum ReadTypedDate(const std::string& digits, const Datum& today);
    // A typed weekday name is the weekday's, regardless of case and blanks.
    static bool IsWeekdayName(const std::string& typed, int weekday);

protected:
    void NextTask() override;

private:
    bool InputIsRight() const;
    // What the answer box shows.
    std::string BoxText() const;
    void DrawAnswer(float x, float y) const;

    Datum (*const today)();
    const int stepCount;
    const double weekdayChance;
    const bool shiftedStart;
    std::string input;
    Datum startDate;
    Datum targetDate;
    std::string questionText;
    bool weekdayQuestion = false;
    bool shiftHeld = false;
    bool lastAnswerRight = false;
};
