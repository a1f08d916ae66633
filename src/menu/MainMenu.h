#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/Game.h"
#include "games/base/Knobel_Game.h"
#include "games/base/RecordEntry.h"
#include "games/base/TestEntry.h"
#include "menu/ProgressPage.h"

class Font;
class TextRenderer;
struct AppState;

// The one screen of the shell. It shows the menu pages (one top-level
// element per page, at most one shown at a time) and hosts the running
// mini-game: it creates the game with the chosen difficulty, counts down its
// start, passes input, updates and drawing on to it, opens the pause and help
// pages over it, shows its result page with the name entry for the best list
// and destroys it when the player leaves. It also runs the tests (all games
// in a row for one overall grade) and shows the global statistics.
//
// runState tells which job is active: 0 the menu alone, 1 a game is hosted,
// 2 the player quits.
class MainMenu : public Game {
public:
    // Page ids (the ids of the pages' top-level elements).
    static constexpr int PAGE_NONE = 0;
    static constexpr int PAGE_MAIN = 1;
    static constexpr int PAGE_DIFFICULTY = 9;
    static constexpr int PAGE_MODE = 14;
    static constexpr int PAGE_GAME_LIST = 18;
    static constexpr int PAGE_PICTURE = 45;
    static constexpr int PAGE_STATISTICS = 47;
    static constexpr int PAGE_HELP = 50;
    static constexpr int PAGE_PAUSE = 52;
    static constexpr int PAGE_GAME_HELP = 57;
    static constexpr int PAGE_GAME_STATISTICS = 59;
    static constexpr int PAGE_RESULT = 62;
    static constexpr int PAGE_TEST_RESULT = 64;
    static constexpr int PAGE_PROGRESS = 66;
    static constexpr int PAGE_RESET = 71;

    // The element slot that holds a page, or -1 for an id that is no page.
    static int PageSlot(int pageId);

    // Seconds of the start countdown and of the fade before a result page.
    static constexpr double kCountdownSeconds = 3.0;
    static constexpr double kEndDelaySeconds = 2.0;
    // The game list shows this many games at a time.
    static constexpr int kVisibleGames = 7;
    // The element id of the list button of game 0; game i has id + i.
    static constexpr int kFirstGameButton = 22;
    // A typed name holds at most this many characters.
    static constexpr std::size_t kMaxNameLength = 99;

    MainMenu();
    // Ends a hosted game as the menu would (its grade so far is recorded).
    ~MainMenu() override;

    void OnMouseMove(int x, int y) override;
    void OnLeftButtonDown(int x, int y) override;
    void OnLeftButtonUp(int x, int y) override;
    void OnLeftDoubleClick(int x, int y) override;
    void OnRightButtonDown(int x, int y) override;
    void OnRightButtonUp(int x, int y) override;
    void OnKeyDown(uint16_t key) override;
    void OnKeyUp(uint16_t key) override;

    void Update() override;
    void Render() override;
    // The mouse pointer, drawn after everything else of the frame.
    void DrawCursor();

    void OwnerDraw0(GUIElement*, int, int, int, int, float, float, float, float) override;
    void OwnerDraw1(GUIElement*, int, int, int, int, float, float, float, float) override;
    void OwnerDraw2(GUIElement*, int, int, int, int, float, float, float, float) override;
    void OwnerDraw3(GUIElement*, int, int, int, int, float, float, float, float) override;
    void OwnerDraw4(GUIElement*, int, int, int, int, float, float, float, float) override;
    void OwnerDraw5(GUIElement*, int, int, int, int, float, float, float, float) override;
    void OwnerDraw6(GUIElement*, int, int, int, int, float, float, float, float) override;
    void OwnerDraw7(GUIElement*, int, int, int, int, float, float, float, float) override;
    void OwnerDraw8(GUIElement*, int, int, int, int, float, float, float, float) override;
    void OwnerDraw9(GUIElement*, int, int, int, int, float, float, float, float) override;
    void OwnerDraw10(GUIElement*, int, int, int, int, float, float, float, float) override;
    void OwnerDraw11(GUIElement*, int, int, int, int, float, float, float, float) override;
    void OwnerDraw12(GUIElement*, int, int, int, int, float, float, float, float) override;
    void OwnerDraw13(GUIElement*, int, int, int, int, float, float, float, float) override;

    void OnLostDevice() override;
    void OnResetDevice() override;

    // Shows the page (all others hidden); PAGE_NONE or an unknown id hides all.
    void ShowPage(int pageId);
    // Replaces the hosted game with a new play of game `index` (0..22) at the
    // menu's level and starts its countdown; nothing is created for an index
    // outside the table or a game that does not exist yet.
    void LaunchGame(int index);
    // Ends the hosted game: back to the main page, or in a test on to the
    // next game.
    void CloseGame();
    // The step after a game's result page: the game ends, in a test after
    // its grade has been counted.
    void LeaveResult();
    // Rebuilds the game list for listOffset.
    void BuildGameList();
    // Starts a test: all games in a row at the menu's level.
    void StartTest();
    // Every game's records and the global statistics back to their initial
    // values (each save file is rewritten); the page stays.
    void ResetAllStatistics();

    // The texts of the statistics page: the best tests under their heading
    // (nothing while there is none), the totals of all plays; and the text of
    // the test result page.
    std::string BestTestsText() const;
    std::string TotalsText() const;
    std::string TestResultText() const;

    int listOffset = 0;
    int listLastRow = kVisibleGames - 1;
    double endDelay = -1.0;
    double countdown = 0.0;
    bool testMode = false;
    int gameIndex = 0;
    int currentPage = PAGE_MAIN;
    double pressAnim = 0.0;
    double pressAnimMax = 0.1;
    bool buttonHeld = false;
    std::unique_ptr<Knobel_Game> game;
    Font* font30 = nullptr;
    Font* font20 = nullptr;
    Font* font40 = nullptr;
    Font* font80 = nullptr;
    TextRenderer* textRenderer = nullptr;
    int level = 0;
    std::unique_ptr<RecordEntry> pendingRecord;
    std::unique_ptr<TestEntry> pendingTest;
    bool shiftHeld = false;
    double testSeconds = 0.0;
    // When the running test started, as the history writes it, and whether
    // it has its overall grade (testFinal).
    std::string testStartTime;
    bool testGraded = false;
    double testBest = Knobel_Game::kWorstGrade;
    double testWorst = 1.0;
    double testGradeSum = 0.0;
    int testGames = 0;
    // The overall grade of the test that ended last (what its entry stores).
    double testFinal = Knobel_Game::kWorstGrade;
    int backgroundIndex = 4;
    bool resultHandled = false;
    ProgressPage progressPage;

private:
    void BuildPages();
    // A top-level page element in its slot, drawn through the slot's owner-draw.
    GUIElement* AddPage(int pageId, int left, int top, int right, int bottom, int x, int y);
    // A button of the page: the region of menu2 at (x, y) relative to the page.
    static void AddButton(GUIElement* page, int id, int left, int top, int right, int bottom, int x, int y);

    // The action of a click taken by the element of this id.
    void ClickAction(int id);
    // A click on the result page's (63) or test result page's (65) button.
    void LeaveResultPage();
    void LeaveTestResultPage();
    // A key pressed on a page of the statistics: the chooser's arrows, Escape
    // back to the statistics page.
    void StatisticsKeyDown(uint16_t key);
    // A key pressed while a result page's entry is being named.
    void NameEntryKeyDown(uint16_t key);
    bool NamingEntry() const;
    // The game while one is hosted (run state 1), else null.
    Knobel_Game* HostedGame() const;
    // Escape and H over a hosted game; false when the key is not the menu's.
    bool PauseKeyUp(uint16_t key);
    void Pause(int pageId);
    void Resume();

    void UpdatePointer();
    void UpdateHostedGame();
    void HandleGameEnd();
    void HandleAbortedGame();
    // The test's accounting of the game just left, then the next game or the end.
    void CountTestGame();
    // Adds the finished test's line, with its overall grade, to the history.
    void RecordTestInHistory(bool endedEarly) const;
    // The first game from `index` on that can be created, or kGameCount.
    static int NextGameIndex(int index);

    void DrawBackground() const;
    void DrawHostedGameOverlays() const;
    void DrawVeil(int textureSlot, uint32_t colour) const;
    // Draws one element of a page: the panel with its title and content, or a button.
    void DrawPageElement(int slot, GUIElement* element, int left, int top, int right, int bottom, float x,
                         float y, float scaleX, float scaleY);
    void DrawPanel(int slot, GUIElement* panel, int left, int top, int right, int bottom, float x, float y,
                   float scaleX, float scaleY);
    void DrawPageContent(int pageId, GUIElement* panel, int left, int top, int right, int bottom, float x,
                         float y, float scaleX, float scaleY);
    void DrawButton(GUIElement* button, int left, int top, int right, int bottom, float x, float y,
                    float scaleX, float scaleY);
    // The red line with the name being typed, under a result text.
    void DrawNameLine(const std::string& name, float x, float y, int width, int height) const;
    // The language text labelling a button, or -1 for a button without one.
    static int ButtonLabel(int id);
};

// Creates the main menu as the shell's screen: the current screen, and the one
// whose pointer ends every frame.
std::unique_ptr<MainMenu> CreateMainMenu(AppState& app);
