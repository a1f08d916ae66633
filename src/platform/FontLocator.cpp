#include "platform/FontLocator.h"

#include <fontconfig/fontconfig.h>

#include <cstring>
#include <map>
#include <optional>
#include <strings.h>
#include <vector>

namespace platform {

namespace {

struct Alias {
    const char* face;
    const char* twin;
};

// Faces the program names and free faces with the same metrics.
constexpr Alias kAliases[] = {
    {"Arial", "Liberation Sans"},
    {"Helvetica", "Liberation Sans"},
    {"Comic Sans MS", "Comic Neue"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
};

const char* TwinOf(const std::string& faceName) {
    for (const Alias& alias : kAliases) {
        if (strcasecmp(alias.face, faceName.c_str()) == 0) {
            return alias.twin;
        }
    }
    return nullptr;
}

bool IsUsableFormat(FcPattern* match) {
    FcChar8* format = nullptr;
    if (FcPatternGetString(match, FC_FONTFORMAT, 0, &format) != FcResultMatch) {
        return false;
    }
    const char* text = reinterpret_cast<const char*>(format);
    return std::strcmp(text, "TrueType") == 0 || std::strcmp(text, "CFF") == 0;
}

bool HasFamily(FcPattern* match, const std::vector<std::string>& families) {
    FcChar8* family = nullptr;
    for (int n = 0; FcPatternGetString(match, FC_FAMILY, n, &family) == FcResultMatch; ++n) {
        for (const std::string& wanted : families) {
            if (strcasecmp(wanted.c_str(), reinterpret_cast<const char*>(family)) == 0) {
                return true;
            }
        }
    }
    return false;
}

// fontconfig's best bold upright face for the family. It answers every
// question with some face, so the answer counts only when its family is one
// of the accepted names (any family when none are given).
std::optional<FontFile> Match(const char* family, const std::vector<std::string>& accepted) {
    FcPattern* pattern = FcPatternCreate();
    if (pattern == nullptr) {
        return std::nullopt;
    }
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_BOLD);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr) {
        return std::nullopt;
    }
    std::optional<FontFile> found;
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && IsUsableFormat(match) &&
        (accepted.empty() || HasFamily(match, accepted))) {
        FontFile fontFile;
        fontFile.path = reinterpret_cast<const char*>(file);
        FcPatternGetInteger(match, FC_INDEX, 0, &fontFile.index);
        int weight = FC_WEIGHT_BOLD;
        FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
        fontFile.bold = weight >= FC_WEIGHT_DEMIBOLD;
        found = fontFile;
    }
    FcPatternDestroy(match);
    return found;
}

// fontconfig loads its configuration on the first question and keeps it for
// the process; it is given back at exit (its pointers are stored as offsets,
// so a leak checker would take the kept configuration for lost memory).
void KeepConfigurationUntilExit() {
    struct Release {
        ~Release() { FcFini(); }
    };
    static Release release;
}

FontFile Locate(const std::string& faceName) {
    KeepConfigurationUntilExit();
    std::vector<std::string> accepted{faceName};
    const char* twin = TwinOf(faceName);
    if (twin != nullptr) {
        accepted.emplace_back(twin);
    }
    if (!faceName.empty()) {
        if (auto found = Match(faceName.c_str(), accepted)) {
            return *found;
        }
    }
    if (twin != nullptr) {
        if (auto found = Match(twin, accepted)) {
            return *found;
        }
    }
    for (const char* fallback : {"Liberation Sans", "DejaVu Sans", "sans-serif"}) {
        if (auto found = Match(fallback, {})) {
            return *found;
        }
    }
    return FontFile{};
}

}  // namespace

FontFile FindFontFile(const std::string& faceName) {
    static std::map<std::string, FontFile> known;
    auto it = known.find(faceName);
    if (it == known.end()) {
        it = known.emplace(faceName, Locate(faceName)).first;
    }
    return it->second;
}

}  // namespace platform
