#include "settings/FileLocations.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/Paths.h"
#include "settings/Settings.h"

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

bool runsInstalled = false;

constexpr const char* kOwnFolder = "knobelkiste/";

// The XDG rules take absolute paths only; a relative one counts as unset.
bool IsAbsolute(const std::string& path) { return !path.empty() && path.front() == '/'; }

void AddOnce(std::vector<std::string>& folders, const std::string& folder) {
    if (std::find(folders.begin(), folders.end(), folder) == folders.end()) {
        folders.push_back(folder);
    }
}

// The user's data folder, made with its parents (private, as the XDG rules
// ask of folders they make); a failure shows when the file is written.
std::string MakeUserDataFolder() {
    const std::string folder = UserDataFolder(RealFileSystem());
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos; slash = folder.find('/', slash + 1)) {
        ::mkdir(folder.substr(0, slash).c_str(), 0700);
    }
    return folder;
}

}  // namespace

const FileSystemQueries& RealFileSystem() {
    static const FileSystemQueries queries{
        IsRegularFile,
        [](const std::string& folder) { return ::access(folder.empty() ? "." : folder.c_str(), W_OK) == 0; },
        [](const std::string& name) {
            const char* value = std::getenv(name.c_str());
            return std::string(value == nullptr ? "" : value);
        }};
    return queries;
}

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

std::string UserDataHome(const FileSystemQueries& queries) {
    const std::string dataHome = queries.env("XDG_DATA_HOME");
    if (IsAbsolute(dataHome)) {
        return dataHome;
    }
    const std::string home = queries.env("HOME");
    return IsAbsolute(home) ? JoinPath(home, ".local/share") : std::string();
}

std::vector<std::string> SystemDataDirs(const FileSystemQueries& queries) {
    const std::string dataDirs = queries.env("XDG_DATA_DIRS");
    std::vector<std::string> folders;
    for (std::size_t start = 0; start <= dataDirs.size();) {
        const std::size_t end = std::min(dataDirs.find(':', start), dataDirs.size());
        if (const std::string folder = dataDirs.substr(start, end - start); IsAbsolute(folder)) {
            AddOnce(folders, folder);
        }
        start = end + 1;
    }
    if (folders.empty()) {
        folders = {"/usr/local/share/", "/usr/share/"};
    }
    return folders;
}

std::string UserDataFolder(const FileSystemQueries& queries) {
    const std::string dataHome = UserDataHome(queries);
    return dataHome.empty() ? std::string() : JoinPath(dataHome, kOwnFolder);
}

std::vector<std::string> DataFolders(const std::string& executableFolder, const FileSystemQueries& queries) {
    std::vector<std::string> folders{""};
    if (!executableFolder.empty()) {
        folders.push_back(executableFolder);
        folders.push_back(JoinPath(executableFolder, "../share/knobelkiste/"));
    }
    if (const std::string own = UserDataFolder(queries); !own.empty()) {
        AddOnce(folders, own);
    }
    for (const std::string& base : SystemDataDirs(queries)) {
        AddOnce(folders, JoinPath(base, kOwnFolder));
    }
    return folders;
}

std::string FindDataFile(const std::string& name) {
    if (IsPath(name)) {
        return IsRegularFile(name) ? name : std::string();
    }
    return FindFileInFolders(DataFolders(platform::ExecutableDirectory(), RealFileSystem()), name);
}

bool IsInstalledLocation(const std::string& path, const std::string& executableFolder) {
    const std::size_t slash = path.rfind('/');
    return slash != std::string::npos && path.substr(0, slash + 1) != executableFolder;
}

std::string ChooseSaveFilePath(const std::string& workingFolder, bool installed,
                               const std::function<std::string()>& userFolder, const std::string& name,
                               bool forReading, const FileSystemQueries& queries) {
    if (IsPath(name)) {
        return name;
    }
    const std::string inWorkingFolder = JoinPath(workingFolder, name);
    // An installed program keeps out of the folder it was started in unless
    // that folder already holds its settings.
    const bool ownsWorkingFolder = !installed || queries.isFile(JoinPath(workingFolder, kSettingsFileName));
    if (ownsWorkingFolder && queries.canWrite(workingFolder)) {
        return inWorkingFolder;
    }
    const std::string folder = userFolder();
    if (folder.empty()) {
        return inWorkingFolder;
    }
    const std::string inUserFolder = JoinPath(folder, name);
    if (forReading && ownsWorkingFolder && !queries.isFile(inUserFolder)) {
        return inWorkingFolder;
    }
    return inUserFolder;
}

void SetRunsInstalled(bool installed) { runsInstalled = installed; }

std::string SaveFileForWriting(const std::string& name) {
    return ChooseSaveFilePath("", runsInstalled, MakeUserDataFolder, name, false, RealFileSystem());
}

std::string SaveFileForReading(const std::string& name) {
    return ChooseSaveFilePath("", runsInstalled, MakeUserDataFolder, name, true, RealFileSystem());
}
