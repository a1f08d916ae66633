// The program as a player starts it: its own process, headless, with its files
// around it. Start-up failures end with status 1 and a message; closing the
// program, also during the intro, saves its files; a working folder it cannot
// write sends its files to the user's data folder, where the next run finds them.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace {

constexpr uid_t kNobody = 65534;

struct ProgramRun {
    bool exited = false;
    int status = -1;
    std::string errors;  // what the program wrote to standard error
};

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// Runs the program with `arguments` in `folder` with the data home `dataHome`
// (as the user nobody when `asNobody`), sends it SIGTERM after `termAfter`
// seconds (never when negative) and waits at most a minute for its end.
ProgramRun Start(const std::string& program, const std::string& folder, const std::string& dataHome, double termAfter,
                 bool asNobody = false, std::vector<std::string> arguments = {}) {
    arguments.insert(arguments.begin(), program);
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    const std::string errorFile = dataHome + "/stderr.txt";
    const pid_t child = fork();
    if (child == 0) {
        const int err = ::open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        if (err >= 0) {
            ::dup2(err, 2);
        }
        if (::chdir(folder.c_str()) != 0) {
            _exit(120);
        }
        ::setenv("SDL_VIDEODRIVER", "dummy", 1);
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        ::setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        ::setenv("XDG_DATA_DIRS", dataHome.c_str(), 1);
        ::setenv("HOME", dataHome.c_str(), 1);
        if (asNobody && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            _exit(121);
        }
        ::execv(program.c_str(), argv.data());
        _exit(122);
    }
    ProgramRun run;
    const auto start = std::chrono::steady_clock::now();
    bool termed = false;
    for (;;) {
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child) {
            run.exited = WIFEXITED(status);
            run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
            break;
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!termed && termAfter >= 0 && seconds >= termAfter) {
            ::kill(child, SIGTERM);
            termed = true;
        }
        if (seconds > 60.0) {
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    run.errors = ReadFile(errorFile);
    return run;
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(kBuilt)) << kBuilt;
        ASSERT_TRUE(fs::exists(fs::path(kBuilt).parent_path() / "sport.gob"));
    }

    // The settings a run starts with: windowed, German, the intro as given.
    static void WriteSettings(const TempFolder& folder, bool intro, bool fullscreen = false) {
        folder.Write("knobel.cfg", std::string("FULLSCREEN:\t") + (fullscreen ? "1" : "0") +
                                       "\nSPRACHE:\t0\nSOUND:\t100\nMUSIK:\t100\nINTRO:\t" + (intro ? "1" : "0") +
                                       "\n");
    }

    const std::string kBuilt = KNOBEL_PROGRAM;
    TempFolder folder;
    TempFolder dataHome;
};

TEST_F(ProgramTest, AMissingOrDamagedArchiveEndsStartUpWithAMessageAndStatusOne) {
    // A copy of the program alone in a folder, so that it cannot find the build's archive.
    const std::string program = folder.Path("knobelkiste");
    fs::copy_file(kBuilt, program);
    WriteSettings(folder, false);
    const std::string real = ReadFile((fs::path(kBuilt).parent_path() / "sport.gob").string());
    ASSERT_GT(real.size(), 100000u);
    const std::string archives[] = {"", std::string(5000, '\x5A'), real.substr(0, 4096),
                                    real.substr(0, real.size() / 2)};
    for (size_t i = 0; i < std::size(archives); ++i) {
        SCOPED_TRACE("archive " + std::to_string(i));
        fs::remove(folder.Path("sport.gob"));
        if (i > 0) {
            folder.Write("sport.gob", archives[i]);
        }
        const ProgramRun run = Start(program, folder.Path(), dataHome.Path(), -1.0);
        EXPECT_TRUE(run.exited);
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.errors.find("Texturdateien"), std::string::npos) << run.errors;
    }
}

TEST_F(ProgramTest, ClosingTheProgramDuringTheIntroSavesItsFiles) {
    WriteSettings(folder, true, true);
    const ProgramRun run = Start(kBuilt, folder.Path(), dataHome.Path(), 1.5);
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_NE(folder.Read("knobel.cfg").find("INTRO:\t1"), std::string::npos);
    EXPECT_TRUE(folder.Exists("stats.sav"));
}

TEST_F(ProgramTest, AReadOnlyWorkingFolderSendsTheFilesToTheDataHomeWhereTheNextRunFindsThem) {
    const bool root = ::geteuid() == 0;
    WriteSettings(folder, false);
    // Root may write anywhere: the program then runs as nobody.
    for (const std::string& path : {folder.Path(), dataHome.Path()}) {
        ::chmod(path.c_str(), root ? 0777 : 0755);
    }
    ::chmod(folder.Path().c_str(), 0555);
    ProgramRun run = Start(kBuilt, folder.Path(), dataHome.Path(), 1.5, root);
    if (root && run.status == 122) {
        GTEST_SKIP() << "the user nobody cannot run the built program here";
    }
    EXPECT_EQ(run.status, 0) << run.errors;
    const std::string saved = dataHome.Path("knobelkiste/knobel.cfg");
    ASSERT_TRUE(fs::exists(saved)) << run.errors;
    EXPECT_TRUE(fs::exists(dataHome.Path("knobelkiste/stats.sav")));
    EXPECT_EQ(ReadFile(folder.Path("knobel.cfg")).find("SPRACHE:\t1"), std::string::npos);

    // The next run reads the data home's copy (English), not the working folder's.
    std::string settings = ReadFile(saved);
    const size_t language = settings.find("SPRACHE:\t0");
    ASSERT_NE(language, std::string::npos) << settings;
    settings.replace(language, 10, "SPRACHE:\t1");
    std::ofstream(saved, std::ios::binary | std::ios::trunc) << settings;
    run = Start(kBuilt, folder.Path(), dataHome.Path(), 1.5, root);
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_NE(ReadFile(saved).find("SPRACHE:\t1"), std::string::npos);
    ::chmod(folder.Path().c_str(), 0755);
}

TEST_F(ProgramTest, InstalledAndStartedElsewhereItKeepsItsFilesInTheDataHomeAndTheOptionsForThatRun) {
    // prefix/bin/knobelkiste with its data in prefix/share/knobelkiste, started in another folder.
    const fs::path built = fs::path(kBuilt).parent_path();
    fs::create_directories(folder.Path("bin"));
    fs::create_directories(folder.Path("share/knobelkiste"));
    fs::copy_file(kBuilt, folder.Path("bin/knobelkiste"));
    for (const char* name : {"sport.gob", "deutsch.lng", "english.lng"}) {
        fs::copy_file(built / name, folder.Path("share/knobelkiste/") + name);
    }
    TempFolder elsewhere;
    const std::string program = folder.Path("bin/knobelkiste");
    ProgramRun run =
        Start(program, elsewhere.Path(), dataHome.Path(), 1.5, false, {"--no-intro", "--windowed", "--language", "en"});
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(fs::exists(dataHome.Path("knobelkiste/stats.sav")));
    EXPECT_FALSE(elsewhere.Exists("knobel.cfg"));
    // Nothing the command line chose is saved: the defaults stay.
    EXPECT_NE(ReadFile(dataHome.Path("knobelkiste/knobel.cfg")).find("FULLSCREEN:\t1\nSPRACHE:\t0\n"),
              std::string::npos);

    run = Start(program, elsewhere.Path(), dataHome.Path(), -1.0, false, {"--language", "fr"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.errors.find("Usage:"), std::string::npos) << run.errors;
}

}  // namespace
