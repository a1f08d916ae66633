#pragma once

#include <string>
#include <string_view>

#include "app/SyncList.h"

struct AppState;

// Bounds on what a language file can make the table hold: five times the
// texts the game has leaves room for any translation, and a damaged count
// cannot make loading slow.
inline constexpr int kMaxLanguageTexts = 2000;
inline constexpr std::size_t kMaxLanguageTextLength = 9999;

// "deutsch.lng" for 0, "english.lng" for 1, null for any other language.
const char* LanguageFileName(int language);

// Adds the texts of a language file to table. "ANZ_TEXTE: n" appends n empty
// texts; "<TEXT_START> k", one separator character, then the text up to '|'
// stores a blank followed by that text at position k (replacing the text
// there) or, when k is not below the count, at the end. Other words are
// skipped; reading stops at the first number that cannot be read.
void ReadLanguageTexts(std::string_view text, SyncList<std::string>& table);

// Replaces app's texts with those of the language's file (the table stays
// empty when there is no file) and sets app.language.
void LoadLanguage(AppState& app, int language);
void LoadLanguage(int language);

// The text at index, or null when the table has none there.
const char* GetText(SyncList<std::string>& table, int index);
const char* GetText(int index);

// The text at index, or "" when there is none: what drawing and formatting use.
const std::string& GetTextOrEmpty(int index);
