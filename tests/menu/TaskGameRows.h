#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <span>
#include <string>

#include "games/base/Knobel_Game.h"
#include "menu/GameTable.h"

// One task answered right or wrong as a player does it.
using Answer = std::function<void(Knobel_Game&, bool right)>;
// Whether the game still shows its verdict on the last answer.
using Busy = std::function<bool(const Knobel_Game&)>;

struct GameRow {
    const char* name;
    GameFactory create;
    Answer answer;
    Busy busy;
    bool marksVerdict;  // shows a tick or a cross after each answer
};

// Every game of a fixed number of tasks.
std::span<const GameRow> TaskGameRows();

void PrintTo(const GameRow& row, std::ostream* out);
// The row's name as a test name.
std::string RowName(const ::testing::TestParamInfo<GameRow>& info);
