#pragma once

#include <vector>

// One score peg for a guess: black (right colour in the right place) or white
// (a colour of the code, but elsewhere), and the guess position it judges.
struct ScoreMark {
    bool black;
    int position;
};

// Scores a guess against a code of the same length: first a black mark for
// each position in order whose colours agree, then a white mark for each
// other position whose colour is still left over in the code. Each peg of the
// code answers for at most one mark.
std::vector<ScoreMark> ScoreGuess(const std::vector<int>& code, const std::vector<int>& guess);
