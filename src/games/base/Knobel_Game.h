#pragma once

#include <memory>
#include <string>

#include "app/Game.h"
#include "games/base/GameRecords.h"
#include "games/base/RecordEntry.h"

class Font;
class TextRenderer;

// The base of every mini-game. One object is one play: the main menu creates
// it with the difficulty level, starts it after its countdown, drives it
// through the game state, shows its result page and destroys it. Creating it
// reads the game's save file; destroying it records the grade in the game's
// records and in the global statistics and writes the save file back.
//
// A game supplies its title, help text, result text and grade formula, and
// its own Update, Render and input. Its Update counts the time with
// AddPlayTime and AddRecordsTime; it ends the play with SetState
// (STATE_FINISHED or STATE_FAILED) and acts on input only while IsRunning().
class Knobel_Game : public Game {
public:
    static constexpr int STATE_FINISHED = 0;  // ended normally
    static constexpr int STATE_FAILED = 2;    // ended without success
    static constexpr int STATE_ABORTED = 4;   // ended early by the player
    static constexpr int STATE_RUNNING = 6;
    static constexpr int STATE_PAUSED = 7;    // the pause or help page is open

    // The worst grade, and the grade of a play with nothing achieved.
    static constexpr double kWorstGrade = 6.0;
    // The best grade.
    static constexpr double kBestGrade = 1.0;
    // Plays graded this well or better count as solved.
    static constexpr double kSolvedGrade = 1.5;

    // A grade as the scale has it: within 1.0 to 6.0, and 6.0 for a value
    // that is not finite. Every grade shown, stored or averaged passes here.
    static double ClampGrade(double value);

    // level: the menu's difficulty 0..2 (others are taken as the nearest).
    // saveFileName: the game's own save file, such as "rechnen.sav".
    Knobel_Game(int level, const std::string& saveFileName);
    // Records the grade unless recording was disabled, then writes the save
    // file (always, so a reset reaches the disk).
    ~Knobel_Game() override;

    void OnLostDevice() override;
    void OnResetDevice() override;

    // The countdown is over: the game runs (unless it already ended).
    void StartGame();
    int GetState() const { return state; }
    // Sets the state; once finished, failed or aborted, the state stays so.
    void SetState(int newState);
    bool IsStarted() const { return started; }
    // Started and in STATE_RUNNING: the only time a game acts on the player's
    // clicks and keys.
    bool IsRunning() const { return started && state == STATE_RUNNING; }

    // The texts of the menu's pages. Title and help are language texts; the
    // statistics and result texts are built in the game's buffers, which the
    // next call overwrites. The base returns no text for all but statistics.
    virtual const std::string& GetHelpText();
    virtual const std::string& GetStatisticsText();
    virtual const std::string& GetResultText();
    virtual const std::string& GetTitle();
    // Works out the grade of the play so far (with SetGrade); the base grades 6.0.
    virtual void ComputeGrade();
    // Draws GetHelpText() for the menu's help page with the arguments of an
    // owner-draw call: black, centred and wrapped inside the page less a margin
    // of 50 (70 at the bottom).
    virtual void DrawHelpText(GUIElement* element, int left, int top, int right, int bottom, float x, float y,
                              float scaleX, float scaleY, Font* font);
    // Whether the help page can be opened; true in the base.
    virtual bool HasHelp();

    // Whether the grade enters the best list of the game.
    bool QualifiesForRecords();
    double GetGrade() const { return grade; }
    double GetPlaySeconds() const { return playSeconds; }
    // A best-list entry for the grade, dated today, still to be named.
    std::unique_ptr<RecordEntry> CreateRecordEntry() const;
    // Puts the named entry into the best list at its place.
    void AddRecordEntry(std::unique_ptr<RecordEntry> entry);
    // The game's records back to their initial values.
    void ResetRecords();
    // Destruction will then record nothing (the save file is still written).
    void DisableRecording() { recordOnExit = false; }
    // The play belongs to the test started at that time (as the history
    // writes it); a play without one is training.
    void SetTest(const std::string& startTime) { testStartTime = startTime; }

protected:
    // Sets the grade, held to the scale by ClampGrade.
    void SetGrade(double value);
    // Adds to the play time while the game is in STATE_RUNNING.
    void AddPlayTime(double seconds);
    // Adds to the time spent in this game (its records), in every state.
    void AddRecordsTime(double seconds);

    // Language text textIndex with the minutes and seconds of the play time
    // (22 begins most result texts).
    std::string PlayTimeText(int textIndex = 22) const;
    // Language text 50 with the grade: the last line of every result text.
    std::string GradeText() const;
    // The time panel at the top centre with the play time, and the status
    // under it when there is one.
    void DrawTimePanel(const std::string& status = std::string()) const;

    const int level;
    TextRenderer* const textRenderer;
    // "Arial" 20, shared through the text renderer.
    Font* const smallFont;
    GameRecords records;
    // The buffers of GetResultText and GetStatisticsText.
    std::string resultText;
    std::string statisticsText;

private:
    // Adds the play's line to the history file.
    void RecordInHistory() const;

    int state = STATE_RUNNING;
    double playSeconds = 0.0;
    bool started = false;
    bool recordOnExit = true;
    const std::string saveFileName;
    std::string testStartTime;
    double grade = kWorstGrade;
};
