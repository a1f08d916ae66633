#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "games/base/Knobel_Game.h"
#include "menu/GameTable.h"

// A mini-game for the menu's tests: it is answered with the key R while it
// runs and ends (finished) after `tasks` answers; its grade is whatever the
// test chose in HostedGame::grade. It logs the input the menu passes on.
class HostedGame : public Knobel_Game {
public:
    static constexpr uint16_t kAnswerKey = 'R';
    HostedGame(int level, const std::string& saveFile);
    ~HostedGame() override;
    void OnLeftButtonUp(int x, int y) override;
    void OnKeyDown(uint16_t key) override;
    void OnKeyUp(uint16_t key) override;
    void Update() override;
    void Render() override;
    const std::string& GetTitle() override;
    const std::string& GetHelpText() override;
    const std::string& GetResultText() override;
    void ComputeGrade() override;
    bool HasHelp() override { return withHelp; }
    GameRecords& Records() { return records; }
    int Level() const { return level; }
    int answered = 0;
    int updates = 0;
    // What the menu passed on: "up x,y", "keydown k", "keyup k".
    std::vector<std::string> input;
    // Settings for the next games created.
    static double grade;
    static int tasks;
    static bool withHelp;
    // The game the menu hosts at the moment (null when none is).
    static HostedGame* current;
};

// The save file of the hosted game at a table index.
std::string HostedGameSaveFile(int index);

// Empties the game table, so that the menu's tests do not depend on the real
// games, and puts hosted games where a test wants them; restores the table
// when it goes.
class GameTableScope {
public:
    GameTableScope();
    ~GameTableScope();
    GameTableScope(const GameTableScope&) = delete;
    GameTableScope& operator=(const GameTableScope&) = delete;
    // A hosted game (save file HostedGameSaveFile(index)) at the index.
    void Host(int index);
    void HostAll();

private:
    GameFactory saved[kGameCount];
};
