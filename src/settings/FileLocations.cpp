#include "settings/FileLocations.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "platform/Paths.h"

namespace {

bool IsPath(const std::string& name) { return name.find('/') != std::string::npos; }

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') {
            x = static_cast<unsigned char>(x - 'A' + 'a');
        }
        if (y >= 'A' && y <= 'Z') {
            y = static_cast<unsigned char>(y - 'A' + 'a');
        }
        if (x != y) {
            return false;
        }
    }
    return true;
}

bool IsRegularFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) {
        return name;
    }
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::string FindFileInFolders(const std::vector<std::string>& folders, const std::string& name) {
    for (const std::string& folder : folders) {
        const std::string exact = JoinPath(folder, name);
        if (IsRegularFile(exact)) {
            return exact;
        }
        std::error_code error;
        std::filesystem::directory_iterator entries(folder.empty() ? "." : folder, error);
        for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
            const std::string entryName = entries->path().filename().string();
            if (SameIgnoringCase(entryName, name) && IsRegularFile(JoinPath(folder, entryName))) {
                return JoinPath(folder, entryName);
            }
        }
    }
    return std::string();
}

std::string FindDataFile(const std::string& name) {
    if (IsPath(name)) {
        return IsRegularFile(name) ? name : std::string();
    }
    std::vector<std::string> folders{""};
    const std::string executableFolder = platform::ExecutableDirectory();
    if (!executableFolder.empty()) {
        folders.push_back(executableFolder);
    }
    return FindFileInFolders(folders, name);
}

std::string ChooseSaveFilePath(const std::string& workingFolder, const std::function<std::string()>& fallbackFolder,
                               const std::string& name, bool forReading) {
    if (IsPath(name)) {
        return name;
    }
    const std::string inWorkingFolder = JoinPath(workingFolder, name);
    if (::access(workingFolder.empty() ? "." : workingFolder.c_str(), W_OK) == 0) {
        return inWorkingFolder;
    }
    const std::string folder = fallbackFolder();
    if (folder.empty()) {
        return inWorkingFolder;
    }
    const std::string inFallbackFolder = JoinPath(folder, name);
    if (forReading && !IsRegularFile(inFallbackFolder)) {
        return inWorkingFolder;
    }
    return inFallbackFolder;
}

std::string SaveFileForWriting(const std::string& name) {
    return ChooseSaveFilePath("", platform::PreferencesDirectory, name, false);
}

std::string SaveFileForReading(const std::string& name) {
    return ChooseSaveFilePath("", platform::PreferencesDirectory, name, true);
}
