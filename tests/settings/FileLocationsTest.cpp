#include "settings/FileLocations.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "support/TempFolder.h"

TEST(FileLocationsTest, DataFilesAreFoundInFolderOrderIgnoringLetterCase) {
    TempFolder folder;
    std::filesystem::create_directory(folder.Path("work"));
    std::filesystem::create_directory(folder.Path("exe"));
    const std::string work = folder.Path("work");
    const std::string exe = folder.Path("exe") + "/";
    folder.Write("exe/deutsch.lng", "exe");
    folder.Write("exe/Sport.GOB", "exe");
    folder.Write("work/SPORT.gob", "work");

    EXPECT_EQ(FindFileInFolders({work, exe}, "deutsch.lng"), exe + "deutsch.lng");
    EXPECT_EQ(FindFileInFolders({work, exe}, "sport.gob"), work + "/SPORT.gob");
    EXPECT_EQ(FindFileInFolders({exe, work}, "sport.gob"), exe + "Sport.GOB");
    EXPECT_EQ(FindFileInFolders({work, exe}, "english.lng"), "");
    // A folder of that name is no file.
    std::filesystem::create_directory(folder.Path("work/english.lng"));
    EXPECT_EQ(FindFileInFolders({work}, "english.lng"), "");

    WorkingDirectoryScope scope(work);
    EXPECT_EQ(FindDataFile("sport.GOB"), "SPORT.gob");
    EXPECT_EQ(FindDataFile("nirgends.lng"), "");
}

namespace {

// A file system that exists only in the test: its files, its writable folders, its environment.
FileSystemQueries FakeFileSystem(std::set<std::string> files, std::set<std::string> writable,
                                 std::map<std::string, std::string> env) {
    return {[files](const std::string& path) { return files.count(path) > 0; },
            [writable](const std::string& folder) { return writable.count(folder) > 0; },
            [env](const std::string& name) { return env.count(name) > 0 ? env.at(name) : std::string(); }};
}

}  // namespace

TEST(FileLocationsTest, DataIsSearchedBesideTheProgramThenInItsShareFolderThenInTheXdgFolders) {
    const FileSystemQueries home = FakeFileSystem({}, {}, {{"HOME", "/home/anna"}});
    EXPECT_EQ(DataFolders("/opt/k/bin/", home),
              (std::vector<std::string>{"", "/opt/k/bin/", "/opt/k/bin/../share/knobelkiste/",
                                        "/home/anna/.local/share/knobelkiste/", "/usr/local/share/knobelkiste/",
                                        "/usr/share/knobelkiste/"}));
    // Relative, empty and repeated folders of the XDG variables do not count.
    const FileSystemQueries xdg = FakeFileSystem(
        {}, {}, {{"HOME", "/home/anna"}, {"XDG_DATA_HOME", "/data"}, {"XDG_DATA_DIRS", "/a/:rel::/b:/data"}});
    EXPECT_EQ(DataFolders("", xdg),
              (std::vector<std::string>{"", "/data/knobelkiste/", "/a/knobelkiste/", "/b/knobelkiste/"}));
    const FileSystemQueries relative =
        FakeFileSystem({}, {}, {{"HOME", "/home/anna"}, {"XDG_DATA_HOME", "data"}, {"XDG_DATA_DIRS", "/a"}});
    EXPECT_EQ(DataFolders("", relative),
              (std::vector<std::string>{"", "/home/anna/.local/share/knobelkiste/", "/a/knobelkiste/"}));
    EXPECT_EQ(DataFolders("", FakeFileSystem({}, {}, {})),
              (std::vector<std::string>{"", "/usr/local/share/knobelkiste/", "/usr/share/knobelkiste/"}));

    // Data found in neither the working folder nor beside the program is an installation's.
    for (const auto& [path, installed] : std::vector<std::pair<std::string, bool>>{
             {"sport.gob", false}, {"/opt/k/bin/sport.gob", false}, {"", false},
             {"/opt/k/bin/../share/knobelkiste/sport.gob", true}, {"/usr/share/knobelkiste/sport.gob", true}}) {
        EXPECT_EQ(IsInstalledLocation(path, "/opt/k/bin/"), installed) << path;
    }
}

TEST(FileLocationsTest, AnInstalledProgramFindsItsDataInTheShareFolderBesideItsOwnFolder) {
    // Debian keeps games in /usr/games, other installations in bin/; both
    // lie beside share/.
    for (const char* programFolder : {"games", "bin"}) {
        SCOPED_TRACE(programFolder);
        TempFolder prefix;
        std::filesystem::create_directories(prefix.Path(programFolder));
        std::filesystem::create_directories(prefix.Path("share/knobelkiste"));
        std::filesystem::create_directories(prefix.Path("work"));
        prefix.Write("share/knobelkiste/sport.gob", "data");
        const std::string executableFolder = prefix.Path(programFolder) + "/";
        WorkingDirectoryScope scope(prefix.Path("work"));
        const std::string found =
            FindFileInFolders(DataFolders(executableFolder, FakeFileSystem({}, {}, {})), "sport.gob");
        ASSERT_FALSE(found.empty());
        EXPECT_TRUE(std::filesystem::equivalent(found, prefix.Path("share/knobelkiste/sport.gob")));
        EXPECT_TRUE(IsInstalledLocation(found, executableFolder));
    }
}

TEST(FileLocationsTest, XdgVariablesThatAreUnsetEmptyOrRelativeFallBackToTheirDefaults) {
    const std::vector<std::string> standard{"/usr/local/share/", "/usr/share/"};
    struct Case {
        std::map<std::string, std::string> env;
        std::string userFolder;
        std::vector<std::string> systemFolders;
    };
    const Case cases[] = {
        {{{"HOME", "/home/anna"}}, "/home/anna/.local/share/knobelkiste/", standard},
        {{{"HOME", "/home/anna/"}, {"XDG_DATA_HOME", ""}, {"XDG_DATA_DIRS", ""}},
         "/home/anna/.local/share/knobelkiste/", standard},
        {{{"HOME", "/home/anna"}, {"XDG_DATA_HOME", "daten"}, {"XDG_DATA_DIRS", "share:./other"}},
         "/home/anna/.local/share/knobelkiste/", standard},
        {{{"HOME", "/home/anna"}, {"XDG_DATA_HOME", "/srv/anna"}, {"XDG_DATA_DIRS", "/opt/share:rel:/usr/share/"}},
         "/srv/anna/knobelkiste/", {"/opt/share", "/usr/share/"}},
        {{{"XDG_DATA_HOME", "/srv/anna/"}, {"XDG_DATA_DIRS", "/opt/share"}}, "/srv/anna/knobelkiste/", {"/opt/share"}},
        // Without an absolute home there is no user folder.
        {{}, "", standard},
        {{{"HOME", ""}, {"XDG_DATA_HOME", ""}}, "", standard},
        {{{"HOME", "anna"}, {"XDG_DATA_HOME", "x"}}, "", standard},
    };
    for (const Case& c : cases) {
        std::string env;
        for (const auto& [name, value] : c.env) {
            env += name + "='" + value + "' ";
        }
        SCOPED_TRACE(env);
        const FileSystemQueries queries = FakeFileSystem({}, {}, c.env);
        EXPECT_EQ(UserDataFolder(queries), c.userFolder);
        EXPECT_EQ(SystemDataDirs(queries), c.systemFolders);
        // The data search asks the same folders, after the working directory.
        std::vector<std::string> searched{""};
        if (!c.userFolder.empty()) {
            searched.push_back(c.userFolder);
        }
        for (const std::string& folder : c.systemFolders) {
            searched.push_back(JoinPath(folder, "knobelkiste/"));
        }
        EXPECT_EQ(DataFolders("", queries), searched);
    }
}

TEST(FileLocationsTest, SaveFilesStayInTheWorkingFolderUnlessItIsReadOnlyOrTheProgramRunsInstalled) {
    struct Case {
        bool installed, writable, configHere, inUserFolder, userFolderKnown, forReading;
        const char* expected;  // "w": the working folder's file, "u": the user folder's
    };
    const Case cases[] = {
        {false, true, false, false, true, false, "w"},   // as from the build folder
        {false, true, false, false, true, true, "w"},
        {false, false, false, false, true, false, "u"},  // a read-only working folder
        {false, false, false, false, true, true, "w"},   // its copy carries over ...
        {false, false, false, true, true, true, "u"},    // ... until the user folder has one
        {false, false, false, false, false, false, "w"}, // no user folder at all
        {true, true, false, false, true, false, "u"},    // installed, started anywhere
        {true, true, false, false, true, true, "u"},
        {true, true, true, false, true, false, "w"},     // installed, started beside its settings
        {true, false, true, false, true, true, "w"},
        {true, false, true, false, true, false, "u"},
        {true, true, false, false, false, false, "w"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "installed " << c.installed << " writable " << c.writable << " cfg "
                                          << c.configHere << " user " << c.inUserFolder << c.userFolderKnown
                                          << " reading " << c.forReading);
        std::set<std::string> files{"w/stats.sav"};
        if (c.configHere) {
            files.insert("w/knobel.cfg");
        }
        if (c.inUserFolder) {
            files.insert("u/stats.sav");
        }
        const FileSystemQueries queries =
            FakeFileSystem(files, c.writable ? std::set<std::string>{"w"} : std::set<std::string>{}, {});
        auto userFolder = [&]() { return std::string(c.userFolderKnown ? "u/" : ""); };
        EXPECT_EQ(ChooseSaveFilePath("w", c.installed, userFolder, "stats.sav", c.forReading, queries),
                  std::string(c.expected) + "/stats.sav");
        EXPECT_EQ(ChooseSaveFilePath("w", c.installed, userFolder, "/x/y.sav", c.forReading, queries), "/x/y.sav");
    }
    // The user folder is made when first asked for: not while the working folder serves.
    int asked = 0;
    const auto count = [&]() { return ++asked, std::string("u/"); };
    ChooseSaveFilePath("w", false, count, "stats.sav", false, FakeFileSystem({}, {"w"}, {}));
    ChooseSaveFilePath("w", true, count, "stats.sav", true, FakeFileSystem({"w/knobel.cfg"}, {"w"}, {}));
    EXPECT_EQ(asked, 0);
}

namespace {

// Sets an environment variable (unsets it for nullptr) until the object goes.
class EnvironmentScope {
public:
    EnvironmentScope(const char* name, const char* value) : name(name) {
        if (const char* old = std::getenv(name); old != nullptr) {
            previous = old;
        }
        value == nullptr ? ::unsetenv(name) : ::setenv(name, value, 1);
    }
    ~EnvironmentScope() { previous ? ::setenv(name, previous->c_str(), 1) : ::unsetenv(name); }
    EnvironmentScope(const EnvironmentScope&) = delete;
    EnvironmentScope& operator=(const EnvironmentScope&) = delete;

private:
    const char* name;
    std::optional<std::string> previous;
};

}  // namespace

TEST(FileLocationsTest, AnInstalledRunWritesBelowTheXdgDataHomeItMakesEvenWhenTheVariableIsEmptyOrRelative) {
    TempFolder folder;
    std::filesystem::create_directory(folder.Path("work"));
    const std::string home = folder.Path("home");
    const std::string data = folder.Path("data");
    const std::pair<const char*, std::string> cases[] = {
        {nullptr, home + "/.local/share/knobelkiste/"},
        {"", home + "/.local/share/knobelkiste/"},
        {"relative/data", home + "/.local/share/knobelkiste/"},
        {data.c_str(), data + "/knobelkiste/"},
    };
    WorkingDirectoryScope scope(folder.Path("work"));
    EnvironmentScope homeScope("HOME", home.c_str());
    SetRunsInstalled(true);
    for (const auto& [dataHome, expected] : cases) {
        SCOPED_TRACE(dataHome == nullptr ? "unset" : dataHome);
        EnvironmentScope dataHomeScope("XDG_DATA_HOME", dataHome);
        EXPECT_EQ(SaveFileForWriting("stats.sav"), expected + "stats.sav");
        EXPECT_TRUE(std::filesystem::is_directory(expected));
        EXPECT_EQ(SaveFileForReading("knobel.cfg"), expected + "knobel.cfg");
    }
    SetRunsInstalled(false);
    // Nothing went to the working folder or below it.
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path("work")));
}
