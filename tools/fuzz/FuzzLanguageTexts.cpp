// The language files (deutsch.lng, english.lng), and their texts on their way
// to the screen: converted to UTF-8 and laid out in a box with word wrap.
#include "FuzzTargets.h"
#include "platform/Cp1252.h"
#include "platform/TextLayout.h"
#include "settings/LanguageTexts.h"

namespace {

// Laid out as drawn: the first texts suffice to reach every case of the layout.
constexpr int kLaidOutTexts = 8;

}  // namespace

bool FuzzLanguageTexts(const uint8_t* data, size_t size) {
    SyncList<std::string> table;
    ReadLanguageTexts(FuzzText(data, size), table);
    if (table.Count() > kMaxLanguageTexts) {
        return false;
    }
    for (int i = 0; i < table.Count(); ++i) {
        const char* text = GetText(table, i);
        if (text == nullptr || table.GetAt(i)->size() > kMaxLanguageTextLength + 1) {
            return false;
        }
        if (i >= kLaidOutTexts) {
            continue;
        }
        const std::string utf8 = platform::Cp1252ToUtf8(*table.GetAt(i));
        const auto measure = [](std::string_view line) { return static_cast<int>(line.size()) * 9; };
        const auto lines = platform::LayoutText(utf8, {100, 100, 500, 400},
                                                platform::dt::WordBreak | platform::dt::Center |
                                                    platform::dt::VCenter, 20, measure);
        if (lines.size() > utf8.size()) {
            return false;
        }
    }
    return GetText(table, table.Count()) == nullptr && GetText(table, -1) == nullptr;
}
