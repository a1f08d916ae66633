#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "games/base/Knobel_Game.h"
#include "games/base/AnswerTally.h"

class Font;

// A game of a fixed number of tasks, each answered once, right or wrong. After
// an answer its verdict shows for a while, in which the player's keys are not
// taken and the play time stands still; when it runs out, the next task
// follows, and after the last one the play is finished.
class TaskGame : public Knobel_Game {
public:
    // tasks: the number of tasks of the play; fontSize: the "Arial" size of the
    // game's own font; secondsPerGradePoint: the play time that costs a grade
    // point.
    TaskGame(int level, const std::string& saveFileName, int tasks, double fontSize, double secondsPerGradePoint);
    // The same where the play time of a play ended early costs a grade point
    // every secondsPerGradePointEnded.
    TaskGame(int level, const std::string& saveFileName, int tasks, double fontSize, double secondsPerGradePoint,
             double secondsPerGradePointEnded);
    ~TaskGame() override;

    void Update() override;
    void OnLostDevice() override;
    void OnResetDevice() override;
    const std::string& GetResultText() override;
    void ComputeGrade() override;

    const AnswerTally& Tally() const { return tally; }
    // Above 0 while a verdict is shown.
    double FeedbackTimer() const { return feedbackTimer; }

protected:
    // The verdict on the last answer is shown.
    bool ShowsVerdict() const { return feedbackTimer > 0.0; }
    // Counts an answer and shows its verdict for the given seconds.
    void CountAnswer(bool right, double verdictSeconds);
    // A typed answer is judged: the game's click when right, the lamp sound
    // when wrong, then it is counted with its verdict.
    void JudgeTypedAnswer(bool right, double verdictSeconds);
    // Keys may change or confirm the answer: the game runs and no verdict shows.
    bool TakesAnswerKeys() const { return IsRunning() && !ShowsVerdict(); }
    // A whole number being typed: a digit key adds its digit while fewer than
    // maxDigits stand, Backspace takes the last one away.
    static void EditDigits(std::string& typed, uint16_t key, std::size_t maxDigits);
    // The whole number the digits spell; 0 for none.
    static int DigitsValue(std::string_view digits);
    // A verdict ran out and tasks remain.
    virtual void NextTask() = 0;
    // The typed answer centred on (x, y) in the box (100, 450)-(150, 500) of
    // misc1, stretched sideways to hold the typed text or the correction,
    // whichever is longer (never narrower than it is). During a verdict: a right answer stays with the tick beside the
    // box; for a wrong one the correction shows in its place, in the
    // solution's colour, with the cross beside the box.
    void DrawAnswer(float x, float y, const std::string& typed, bool typedIsRight, const std::string& correction) const;
    // The same with the shown text, the box stretched sideways by widthScale
    // and the texts in the given font.
    void DrawAnswer(float x, float y, float widthScale, const std::string& shown, bool shownIsRight,
                    const std::string& correction, Font* font) const;

    // The game's own font, for its texts.
    const std::unique_ptr<Font> bigFont;

private:
    AnswerTally tally;
    double feedbackTimer = 0.0;
    const double secondsPerGradePoint;
    const double secondsPerGradePointEnded;
};
