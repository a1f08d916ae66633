#include "games/puzzles/CodeScore.h"

#include <algorithm>
#include <cstddef>

std::vector<ScoreMark> ScoreGuess(const std::vector<int>& code, const std::vector<int>& guess) {
    std::vector<ScoreMark> marks;
    std::vector<int> pool = code;
    std::vector<bool> exact(guess.size(), false);
    const size_t length = std::min(code.size(), guess.size());
    for (size_t k = 0; k < length; ++k) {
        if (guess[k] == code[k]) {
            marks.push_back({true, static_cast<int>(k)});
            exact[k] = true;
            pool.erase(std::find(pool.begin(), pool.end(), guess[k]));
        }
    }
    for (size_t m = 0; m < length; ++m) {
        if (exact[m]) {
            continue;
        }
        const auto left = std::find(pool.begin(), pool.end(), guess[m]);
        if (left != pool.end()) {
            marks.push_back({false, static_cast<int>(m)});
            pool.erase(left);
        }
    }
    return marks;
}
