#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "games/base/Knobel_Game.h"

class Font;

// A reaction test on a stream of red digits: each digit is shown for the show
// time, hidden for the blank time, and followed by the next. The player reacts
// with the left button or a key; a reaction to a digit the game calls a target
// is a hit (timed from the digit's appearance), one to any other digit a false
// alarm, and a target that passes without a reaction a miss. A reaction during
// the blank counts for the digit before it: a late hit, timed from the
// target's appearance, or a false alarm. The play lasts a fixed time by level.
//
// A reaction time runs from the moment the first frame showing the digit was
// presented to the moment the press arose (its input's stamp). Keys
// the menu and the shell act on (Escape, Ctrl, H for the help) and the
// keyboard's auto-repeat are no reactions.
class DigitReactionGame : public Knobel_Game {
public:
    struct Timing {
        double playSeconds;  // the length of the play
        double showSeconds;  // how long a digit is shown before its blank
    };
    // How long a digit stays hidden between two digits.
    static constexpr double kBlankSeconds = 0.25;

    // timings: by level. finishedErrorWeight: the grade points of an error
    // ratio of 1 in a play that ran its full time.
    DigitReactionGame(int level, const std::string& saveFileName, const Timing (&timings)[3],
                      double finishedErrorWeight);
    ~DigitReactionGame() override;

    void OnLeftButtonDown(int x, int y) override;
    void OnKeyDown(uint16_t key) override;
    void Update() override;
    // Notes when the shown digit first reaches the screen, then draws the play.
    void Render() final;
    void OnLostDevice() override;
    void OnResetDevice() override;
    const std::string& GetResultText() override;
    void ComputeGrade() override;

    int ShownDigit() const { return shownDigit; }
    // The shown digit is hidden between two digits.
    bool InBlank() const { return blankTimer > 0.0; }
    double TimeLeft() const { return timeLeft; }
    double ShowSeconds() const { return showSeconds; }
    int Hits() const { return hits; }
    int FalseAlarms() const { return falseAlarms; }
    int Misses() const { return misses; }
    // The mean time from a target's appearance to its hit; 0 without hits.
    double AverageReactionTime() const;

    // The share of the digits that are targets, on average over many plays.
    virtual double TargetShare() const = 0;

protected:
    // Whether the shown digit is one to react to.
    virtual bool ShowsTarget() const = 0;
    // The blank is over: the game moves on to its next digit (shownDigit).
    virtual void ShowNextDigit() = 0;
    // Draws the play: the cards and the digits.
    virtual void RenderPlay() = 0;

    // A random digit at most maxStep from centre, within 0..9 and other than
    // the shown digit.
    int DigitNear(int centre, int maxStep) const;
    // Draws a digit in the digit font, centred in the rectangle.
    void DrawDigit(int digit, int left, int top, int right, int bottom, uint32_t colour) const;

    int shownDigit = 0;

private:
    void React();
    // Seconds from the shown digit's appearance to the input being handled.
    double ReactionSeconds() const;
    // The grade of a play that ran its full time (seconds of play) with this
    // many targets missed.
    double FinishedGrade(double missed, double seconds) const;

    const std::unique_ptr<Font> digitFont;
    const double showSeconds;
    const double finishedErrorWeight;
    double blankTimer = 0.0;
    double timeShown = 0.0;
    double timeLeft;
    bool reacted = false;
    // The shown digit was drawn in the last frame.
    bool digitOnScreen = false;
    // The frame that first drew the shown digit (the frames presented before
    // it), whether it has been presented, and the counter right after.
    bool digitDrawn = false;
    uint64_t digitFrame = 0;
    bool digitPresented = false;
    int64_t digitStart = 0;
    int hits = 0;
    int falseAlarms = 0;
    int misses = 0;
    // Summed over the hits.
    double reactionTimeSum = 0.0;
};
