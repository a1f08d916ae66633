#include "settings/UnsavedFiles.h"

#include <filesystem>
#include <map>
#include <utility>

#include "settings/SafeFile.h"

namespace {

std::map<std::string, std::string>& Files() {
    static std::map<std::string, std::string> files;
    return files;
}

// Paths are kept absolute: the same file, whichever folder is current.
std::string Key(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

}  // namespace

void KeepUnsavedFile(const std::string& path, std::string contents) { Files()[Key(path)] = std::move(contents); }

void ForgetUnsavedFile(const std::string& path) { Files().erase(Key(path)); }

const std::string* UnsavedFile(const std::string& path) {
    const auto found = Files().find(Key(path));
    return found == Files().end() ? nullptr : &found->second;
}

bool SaveUnsavedFiles() {
    bool all = true;
    for (auto file = Files().begin(); file != Files().end();) {
        if (WriteFileSafely(file->first, file->second)) {
            file = Files().erase(file);
        } else {
            all = false;
            ++file;
        }
    }
    return all;
}
