#include "settings/LanguageTexts.h"

#include <algorithm>
#include <utility>

#include "app/AppState.h"
#include "settings/FileLocations.h"
#include "settings/TokenReader.h"

namespace {

// Reads a text entry's characters after its index: one separator character
// (dropped), then everything up to '|', stored after a single blank.
std::string ReadEntryText(TokenReader& reader) {
    std::string entry = " ";
    char c = 0;
    // A '|' right after the index ends an entry without separator instead of
    // swallowing the next entry.
    if (!reader.ReadChar(c) || c == '|') {
        return entry;
    }
    while (reader.ReadChar(c) && c != '|') {
        if (entry.size() < kMaxLanguageTextLength) {
            entry.push_back(c);
        }
    }
    return entry;
}

void PlaceText(SyncList<std::string>& table, int index, std::string text) {
    if (index < 0) {
        return;
    }
    if (index < table.Count()) {
        // Replaced in place: the list's cursor stays there, so a file that
        // fills its texts in order costs one step per text, not a walk from
        // the head.
        *table.GetAt(index) = std::move(text);
    } else if (table.Count() < kMaxLanguageTexts) {
        table.Add(new std::string(std::move(text)));
    }
}

}  // namespace

const char* LanguageFileName(int language) {
    switch (language) {
        case 0:
            return "deutsch.lng";
        case 1:
            return "english.lng";
        default:
            return nullptr;
    }
}

void ReadLanguageTexts(std::string_view text, SyncList<std::string>& table) {
    TokenReader reader(text);
    std::string word;
    while (reader.NextWord(word)) {
        int number = 0;
        if (word == "ANZ_TEXTE:") {
            if (!reader.ReadInt(number)) {
                return;
            }
            const int added = std::min(number, kMaxLanguageTexts - table.Count());
            for (int i = 0; i < added; ++i) {
                table.Add(new std::string());
            }
        } else if (word == "<TEXT_START>") {
            if (!reader.ReadInt(number)) {
                return;
            }
            PlaceText(table, number, ReadEntryText(reader));
        }
    }
}

void LoadLanguage(AppState& app, int language) {
    app.texts.Clear();
    if (const char* fileName = LanguageFileName(language)) {
        const std::string path = FindDataFile(fileName);
        std::string contents;
        if (!path.empty() && ReadTextFile(path, contents)) {
            ReadLanguageTexts(contents, app.texts);
        }
    }
    app.language = language;
    app.decimalMark = language == 0 ? ',' : '.';
}

void LoadLanguage(int language) { LoadLanguage(*GetAppState(), language); }

const char* GetText(SyncList<std::string>& table, int index) {
    const std::string* text = table.GetAt(index);
    return text == nullptr ? nullptr : text->c_str();
}

const char* GetText(int index) { return GetText(GetAppState()->texts, index); }

const std::string& GetTextOrEmpty(int index) {
    static const std::string empty;
    const std::string* text = GetAppState()->texts.GetAt(index);
    return text == nullptr ? empty : *text;
}
