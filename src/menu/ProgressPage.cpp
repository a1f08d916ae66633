#include "menu/ProgressPage.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Sprite.h"
#include "app/TextRenderer.h"
#include "app/Textures.h"
#include "settings/LanguageTexts.h"
#include "settings/TextFormat.h"

namespace {

// The chart's pieces on menu2, all white.
const SheetRegion kDot{"chart dot", {752, 602, 776, 626}};
const SheetRegion kBlock{"chart block", {780, 602, 796, 618}};
const SheetRegion kLine{"chart line", {752, 632, 784, 640}};
constexpr float kDotSide = 24.0f;
constexpr float kBlockSide = 16.0f;
constexpr float kLineLength = 32.0f;
constexpr float kLineRows = 8.0f;
constexpr float kLineSolidRows = 4.0f;

// A level's colour: blue, orange, purple (told apart also by most who do not
// see red and green apart).
constexpr uint32_t kLevelColours[] = {0xFF1F77B4u, 0xFFF28E1Cu, 0xFF9C3D9Eu};
constexpr uint32_t kChartGround = 0xC8FFFFFFu;
constexpr uint32_t kGridLine = 0x38000000u;
constexpr uint32_t kSolvedLine = 0xFF2E8B3Eu;
constexpr uint32_t kAverageLine = 0xFF404040u;
constexpr uint32_t kDimText = 0xFF505050u;
// Date labels stand at least this far apart.
constexpr float kDateSpacing = 70.0f;
enum Text {
    kTestsText = 357,
    kEmptyText = 358,
    kFiguresText = 359,
    kBetterText = 360,
    kWorseText = 361,
    kUnchangedText = 362,
    kLastOfText = 363,
    kDatePatternText = 364,
    kSolvedText = 365,
    kAverageText = 366,
};
// A change of the average smaller than this shows as none.
constexpr double kUnchanged = 0.005;

const platform::Texture* Sheet(AppState& app) { return app.textures[TEX_MENU2].get(); }

void Fill(AppState& app, float left, float top, float right, float bottom, uint32_t colour) {
    const Vec2 scale{(right - left) / kBlockSide, (bottom - top) / kBlockSide};
    const Vec2 at{left, top};
    DrawSprite(Sheet(app), kBlock, &scale, nullptr, 0.0, &at, colour);
}

void Segment(AppState& app, progress::Point from, progress::Point to, float width, uint32_t colour) {
    const float dx = to.x - from.x;
    const float dy = to.y - from.y;
    const float length = std::hypot(dx, dy);
    if (length < 0.5f) {
        return;
    }
    const float rows = width / kLineSolidRows;
    const Vec2 scale{length / kLineLength, rows};
    const Vec2 centre{0.0f, rows * kLineRows / 2};
    const Vec2 at{from.x, from.y - centre.y};
    DrawSprite(Sheet(app), kLine, &scale, &centre, std::atan2(dy, dx), &at, colour);
}

void Dot(AppState& app, progress::Point at, float side, uint32_t colour) {
    const Vec2 scale{side / kDotSide, side / kDotSide};
    const Vec2 corner{at.x - side / 2, at.y - side / 2};
    DrawSprite(Sheet(app), kDot, &scale, nullptr, 0.0, &corner, colour);
}

progress::Box Moved(const progress::Box& box, float x, float y) {
    return {box.left + x, box.top + y, box.right + x, box.bottom + y};
}

// The history name of a choice: a game's save file, or the tests' name.
std::string KeyOf(int choice) {
    const GameTableEntry* entry = GameAt(choice);
    return entry != nullptr ? entry->saveFile : history::kTestGame;
}

// The local time the given days before the time now.
std::string DaysBefore(int days) { return history::LocalTime(std::time(nullptr) - days * 24 * 60 * 60); }

}  // namespace

void ProgressPage::Open() {
    all = history::ReadRecorded().plays;
    since = DaysBefore(progress::kChangeDays);
    int latest = 0;
    for (int index = 0; !all.empty() && index < kChoices; ++index) {
        if (KeyOf(index) == all.back().game) {
            latest = index;
            break;
        }
    }
    Choose(latest);
}

void ProgressPage::Step(int delta) { Choose(((choice + delta) % kChoices + kChoices) % kChoices); }

std::string ProgressPage::ChoiceKey() const { return KeyOf(choice); }

void ProgressPage::Choose(int index) {
    choice = index;
    plays = progress::PlaysOf(all, ChoiceKey());
    summary = progress::Summarise(plays, since);
    chart = progress::BuildChart(plays, kChartBox, kDateSpacing);
}

void ProgressPage::Draw(AppState& app, TextRenderer& text, Font* font30, Font* font20, float x, float y) const {
    const GameTableEntry* entry = GameAt(choice);
    const std::string& title = GetTextOrEmpty(entry != nullptr ? entry->labelText : kTestsText);
    text.DrawTextAt(title, x + 400.0f, y + 100.0f, kBlack, kCentred, font30);

    const progress::Box box = Moved(kChartBox, x, y);
    Fill(app, box.left - 12.0f, box.top - 12.0f, box.right + 12.0f, box.bottom + 12.0f, kChartGround);
    if (plays.empty()) {
        text.DrawText(GetTextOrEmpty(kEmptyText), static_cast<int>(box.left + 40.0f), static_cast<int>(box.top),
                      static_cast<int>(box.right - 40.0f), static_cast<int>(box.bottom), kBlack,
                      kCentred | platform::dt::WordBreak, font30);
        return;
    }
    DrawChart(app, text, font20, x, y);
    DrawFigures(app, text, font30, font20, x, y);
}

void ProgressPage::DrawChart(AppState& app, TextRenderer& text, Font* font20, float x, float y) const {
    const progress::Box box = Moved(kChartBox, x, y);
    // The grades as lines across, labelled on the left; the solved line stands out.
    for (int grade = 1; grade <= 6; ++grade) {
        const float lineY = std::round(progress::GradeY(grade, box));
        Fill(app, box.left, lineY, box.right, lineY + 1.0f, kGridLine);
        text.DrawTextAt(FormatText("%d", grade), box.left - 18.0f, lineY, kBlack, kCentred, font20);
    }
    const float solvedY = progress::GradeY(progress::kSolvedGrade, box);
    Fill(app, box.left, solvedY - 1.0f, box.right, solvedY + 1.0f, kSolvedLine);
    // Labelled at the start, where the first plays tend to lie further down.
    text.DrawTextAt(GetTextOrEmpty(kSolvedText), box.left + 4.0f, solvedY - 12.0f, kSolvedLine,
                    platform::dt::Left | platform::dt::VCenter, font20);

    // The chart was worked out on the panel when the choice was made.
    const auto onScreen = [x, y](progress::Point point) { return progress::Point{point.x + x, point.y + y}; };
    const std::string& pattern = GetTextOrEmpty(kDatePatternText);
    for (const progress::DateMark& mark : chart.dates) {
        const float markX = mark.x + x;
        Fill(app, std::round(markX), box.bottom, std::round(markX) + 1.0f, box.bottom + 6.0f, kDimText);
        text.DrawTextAt(progress::FormatDate(pattern, mark.day, mark.month), markX, box.bottom + 8.0f, kDimText,
                        platform::dt::Center, font20);
    }
    // Dots no wider than their share of the width, within 6 and 12 pixels.
    const float share = (box.right - box.left) / static_cast<float>(chart.plays.size());
    const float side = std::clamp(share * 0.9f, 6.0f, 12.0f);
    for (size_t i = 1; i < chart.average.size(); ++i) {
        Segment(app, onScreen(chart.average[i - 1]), onScreen(chart.average[i]), 2.5f, kAverageLine);
    }
    for (const progress::PlayPoint& play : chart.plays) {
        Dot(app, onScreen(play.at), side, kLevelColours[std::clamp(play.level, 0, 2)]);
    }
}

void ProgressPage::DrawFigures(AppState& app, TextRenderer& text, Font* font30, Font* font20, float x,
                               float y) const {
    const float left = x + kChartBox.left - 12.0f;
    const float right = x + kChartBox.right + 12.0f;
    text.DrawTextAt(FormatText(kFiguresText, summary.plays, summary.average, summary.best), x + 400.0f, y + 468.0f,
                    kBlack, kCentred, font30);
    std::string change;
    if (summary.change && std::abs(*summary.change) < kUnchanged) {
        change = FormatText(kUnchangedText, progress::kChangeDays);
    } else if (summary.change) {
        change = FormatText(*summary.change < 0.0 ? kBetterText : kWorseText, progress::kChangeDays,
                            std::abs(*summary.change));
    }
    text.DrawTextAt(change, left, y + 498.0f, kDimText, platform::dt::Left | platform::dt::VCenter, font20);
    if (summary.plays > progress::kShownPlays) {
        text.DrawTextAt(FormatText(kLastOfText, progress::kShownPlays, summary.plays), right, y + 498.0f, kDimText,
                        platform::dt::Right | platform::dt::VCenter, font20);
    }

    // The legend beside the back button: the levels' colours and the average line.
    float at = x + 150.0f;
    const float rowY = y + 550.0f;
    for (int level = 0; level < 3; ++level) {
        Dot(app, {at + 6.0f, rowY}, 12.0f, kLevelColours[level]);
        text.DrawTextAt(GetTextOrEmpty(59 + level), at + 18.0f, rowY, kBlack, platform::dt::Left | platform::dt::VCenter,
                        font20);
        at += 115.0f;
    }
    Segment(app, {at, rowY}, {at + 30.0f, rowY}, 2.5f, kAverageLine);
    text.DrawTextAt(FormatText(kAverageText, progress::kAverageWindow), at + 40.0f, rowY, kBlack,
                    platform::dt::Left | platform::dt::VCenter, font20);
}
