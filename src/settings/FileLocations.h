#pragma once

#include <functional>
#include <string>
#include <vector>

// Where the program's files are found. A name is looked up relative to the
// working directory; a name holding a '/' is a path and is used as it is.

// The questions the choices below ask the file system and the environment,
// so that they can be answered by a stand-in.
struct FileSystemQueries {
    std::function<bool(const std::string& path)> isFile;        // a regular file
    std::function<bool(const std::string& folder)> canWrite;   // "" is the working directory
    std::function<std::string(const std::string& name)> env;   // "" when unset
};

// The answers of the real disk and the process environment.
const FileSystemQueries& RealFileSystem();

// folder + name; an empty folder is the working directory.
std::string JoinPath(const std::string& folder, const std::string& name);

// The first folder holding a file of that name, the exact spelling first, else
// any spelling that differs only in ASCII letter case; "" when none does.
std::string FindFileInFolders(const std::vector<std::string>& folders, const std::string& name);

// The XDG base folders of data. The user's: $XDG_DATA_HOME, or
// $HOME/.local/share when that is unset, empty or relative; "" without an
// absolute $HOME. The system's: the absolute folders of $XDG_DATA_DIRS, or
// /usr/local/share/ and /usr/share/ when it is unset, empty or names none.
std::string UserDataHome(const FileSystemQueries& queries);
std::vector<std::string> SystemDataDirs(const FileSystemQueries& queries);

// knobelkiste/ below UserDataHome(), where the program writes its files when
// it does not write to the working directory; "" when there is no such folder.
std::string UserDataFolder(const FileSystemQueries& queries);

// The folders read-only data is looked up in, in this order: the working
// directory (""), the executable's folder (when known), its
// ../share/knobelkiste, then knobelkiste/ in UserDataHome() and in each of
// SystemDataDirs().
std::vector<std::string> DataFolders(const std::string& executableFolder, const FileSystemQueries& queries);

// A read-only data file (language files, the archive, the intro), searched in
// DataFolders() of the running executable. "" when no folder has it.
std::string FindDataFile(const std::string& name);

// True when a data file found at `path` lies in neither the working directory
// nor the executable's folder: the program runs from an installation.
bool IsInstalledLocation(const std::string& path, const std::string& executableFolder);

// The file `name` the program writes (knobel.cfg, stats.sav, the games' save
// files), or reads back. It lives in workingFolder while that folder holds
// knobel.cfg or, for a program that does not run installed, while it can be
// written; else in the folder userFolder names (asked only then; "" keeps the
// working folder). Reading from a working folder that cannot be written takes
// its copy while userFolder has none yet, so existing results carry over.
std::string ChooseSaveFilePath(const std::string& workingFolder, bool installed,
                               const std::function<std::string()>& userFolder, const std::string& name,
                               bool forReading, const FileSystemQueries& queries);

// Whether the program runs installed (see IsInstalledLocation); decided once at
// start-up, false until then.
void SetRunsInstalled(bool installed);

// ChooseSaveFilePath with the working directory, the user's data folder
// (created when asked for) and the real disk.
std::string SaveFileForWriting(const std::string& name);
std::string SaveFileForReading(const std::string& name);
