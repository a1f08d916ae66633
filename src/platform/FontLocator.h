#pragma once

#include <string>

namespace platform {

// A font file and the face inside it.
struct FontFile {
    std::string path;  // empty when no face was found
    int index = 0;     // face index within the file (collections hold several)
    bool bold = true;  // false: only a regular face exists; embolden it when drawing
};

// The bold face for a face name, found through fontconfig. Names the system
// lacks resolve to their metric twins ("Arial" to Liberation Sans, "Comic
// Sans MS" to Comic Neue) even where fontconfig knows no such alias; failing
// that, any bold sans face. The path is empty only when there is no usable
// TrueType or OpenType face at all. Answers are remembered per face name.
FontFile FindFontFile(const std::string& faceName);

}  // namespace platform
