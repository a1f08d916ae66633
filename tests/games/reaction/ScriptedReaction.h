#pragma once

#include <functional>
#include <utility>

#include "games/reaction/KG_Reaktion.h"
#include "games/reaction/KG_ReaktionII.h"

// The reaction games with their digits taken from a script instead of the
// random draws: step 0 is the first digit, step k the digit after k changes.

// (target, shown) by step.
class ScriptedReaktion : public KG_Reaktion {
public:
    using Script = std::function<std::pair<int, int>(int step)>;
    ScriptedReaktion(int level, Script script) : KG_Reaktion(level), script(std::move(script)) { ShowNextDigit(); }

protected:
    void ShowNextDigit() override { std::tie(targetDigit, shownDigit) = script(step++); }

private:
    Script script;
    int step = 0;
};

// The shown digit by step.
class ScriptedReaktionII : public KG_ReaktionII {
public:
    using Script = std::function<int(int step)>;
    ScriptedReaktionII(int level, Script script) : KG_ReaktionII(level), script(std::move(script)) {
        shownDigit = DrawNextDigit();
    }

protected:
    int DrawNextDigit() override { return script(step++); }

private:
    Script script;
    int step = 0;
};

// The real games with their digit change open to a test.
struct OpenReaktion : KG_Reaktion {
    using KG_Reaktion::KG_Reaktion;
    using KG_Reaktion::ShowNextDigit;
};

struct OpenReaktionII : KG_ReaktionII {
    using KG_ReaktionII::KG_ReaktionII;
    using KG_ReaktionII::ShowNextDigit;
};
