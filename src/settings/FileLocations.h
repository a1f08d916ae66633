#pragma once

#include <functional>
#include <string>
#include <vector>

// Where the program's files are found. A name is looked up relative to the
// working directory; a name holding a '/' is a path and is used as it is.

// folder + name; an empty folder is the working directory.
std::string JoinPath(const std::string& folder, const std::string& name);

// The first folder holding a file of that name, the exact spelling first, else
// any spelling that differs only in ASCII letter case; "" when none does.
std::string FindFileInFolders(const std::vector<std::string>& folders, const std::string& name);

// A read-only data file (language files, the archive, the intro): the working
// directory first, then the executable's folder. "" when neither has it.
std::string FindDataFile(const std::string& name);

// A file the program writes (knobel.cfg, stats.sav, the games' save files):
// in workingFolder while that folder can be written, else in the folder that
// fallbackFolder names (asked only then). For reading, a file not yet in the
// fallback folder is read from workingFolder, so an existing copy carries over.
std::string ChooseSaveFilePath(const std::string& workingFolder, const std::function<std::string()>& fallbackFolder,
                               const std::string& name, bool forReading);

// ChooseSaveFilePath with the working directory and the user's data folder.
std::string SaveFileForWriting(const std::string& name);
std::string SaveFileForReading(const std::string& name);
