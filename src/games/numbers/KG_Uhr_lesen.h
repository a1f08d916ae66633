#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/Sprite.h"
#include "games/base/TaskGame.h"
#include "games/numbers/ClockFace.h"

// Reading clocks: a row of two or three clocks, analog or digital, with a "+"
// or "-" between neighbours. The first clock is a time of day, the others are
// durations; the player types the time of day the signs lead to (modulo 24
// hours) and confirms with Enter. The verdict shows for two seconds, then a
// new row follows, 5, 10 or 15 of them by level. Save file "uhr.sav".
class KG_Uhr_lesen : public TaskGame {
public:
    static constexpr const char* kSaveFile = "uhr.sav";
    // Digits the answer can hold.
    static constexpr std::size_t kMaxInput = 4;
    // Seconds a verdict is shown.
    static constexpr double kFeedbackSeconds = 2.0;

    // The sign between a clock and the one before it, half-way between them.
    struct Sign {
        Vec2 position;
        bool minus;
    };

    explicit KG_Uhr_lesen(int level);
    ~KG_Uhr_lesen() override;

    void OnKeyDown(uint16_t key) override;
    void OnKeyUp(uint16_t key) override;
    void Render() override;

    const std::string& GetHelpText() override;
    const std::string& GetTitle() override;

    // The current row, left to right, its signs and the time of day it leads
    // to in minutes; the digits typed so far.
    const std::vector<ClockFace>& Clocks() const { return clocks; }
    const std::vector<Sign>& Signs() const { return signs; }
    int Answer() const { return answer; }
    const std::string& Input() const { return input; }

    // The time of day of a row in minutes, 0 .. 1439: the first clock's time,
    // then each further clock's added or, after a minus sign, taken away.
    static int RowTime(const std::vector<ClockFace>& clocks, const std::vector<Sign>& signs);
    // Typed digits read as a time in minutes: up to 99 they are minutes, from
    // 100 on the last two are minutes and the others hours (1430 is 14:30).
    static int TypedMinutes(const std::string& digits);
    // Typed digits as the answer box shows them, "h:mm" (the hour 0 without a digit).
    static std::string TypedTimeText(const std::string& digits);

protected:
    void NextTask() override;

private:
    bool InputIsRight() const;
    void DrawSign(const Sign& sign) const;

    const int clockCount;
    std::vector<ClockFace> clocks;
    std::vector<Sign> signs;
    int answer = 0;
    std::string input;
};
