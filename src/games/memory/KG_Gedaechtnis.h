#pragma once

#include <string>
#include <vector>

#include "games/base/Knobel_Game.h"
#include "games/memory/RecallSymbol.h"

// The sequence game: 20, 30 or 40 like symbols (by level) lie scattered over
// the screen. The game lights a sequence of them one after another, and the
// player clicks the same symbols in the same order; each sequence repeated
// comes again with one more symbol. A wrong click loses (alarm); a sequence
// as long as there are symbols, repeated, wins. Saves to "chtnis.sav".
class KG_Gedächtnis : public Knobel_Game {
public:
    static constexpr const char* kSaveFile = "chtnis.sav";
    static constexpr int kFirstLength = 4;
    // The whole sequence is shown within this time, whatever its length.
    static constexpr double kShowSeconds = 10.0;
    // How long a clicked symbol lights up.
    static constexpr double kClickGlowSeconds = 1.0;
    // The pause before a longer sequence is shown.
    static constexpr double kPauseBeforeShowing = 1.0;

    explicit KG_Gedächtnis(int level);

    // The click logic: judges the symbol under the point while the player repeats.
    void OnLeftButtonDown(int x, int y) override;
    void Update() override;
    void Render() override;

    const std::string& GetHelpText() override;
    const std::string& GetResultText() override;
    const std::string& GetTitle() override;
    void ComputeGrade() override;

    int SymbolCount() const { return static_cast<int>(symbols.size()); }
    const RecallSymbol& Symbol(int index) const { return symbols.at(static_cast<size_t>(index)); }
    const std::vector<int>& Sequence() const { return sequence; }
    int Position() const { return position; }
    bool IsShowing() const { return showing; }
    // How many symbols the longest sequence repeated so far had (0 before the first).
    int RepeatedLength() const;

private:
    // The first symbol under the point, or -1.
    int SymbolAt(float x, float y) const;
    void ShowStep();

    std::vector<RecallSymbol> symbols;
    std::vector<int> sequence;
    int position = 0;
    // Clicks on the symbol expected, over the whole play.
    int rightClicks = 0;
    bool showing = true;
    double stepTimer = 0.0;
};
