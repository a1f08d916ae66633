// The language files (deutsch.lng, english.lng).
#include "FuzzTargets.h"
#include "settings/LanguageTexts.h"

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
    }
    return GetText(table, table.Count()) == nullptr && GetText(table, -1) == nullptr;
}
