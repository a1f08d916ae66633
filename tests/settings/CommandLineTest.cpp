#include "settings/CommandLine.h"

#include <gtest/gtest.h>

TEST(CommandLineTest, ReadsEachOptionTheLastOfARepeatWinsAndRefusesTheRest) {
    struct Case {
        std::vector<std::string> arguments;
        int fullscreen, language;
        bool noIntro, help, version, reportStartup, refused;
    };
    const Case cases[] = {
        {{}, -1, -1, false, false, false, false, false},
        {{"--windowed", "--no-intro", "--language", "en"}, 0, 1, true, false, false, false, false},
        {{"--language=de", "--fullscreen"}, 1, 0, false, false, false, false, false},
        {{"--fullscreen", "--windowed", "--language", "de", "--language=en"}, 0, 1, false, false, false, false, false},
        {{"--help", "--version", "--report-startup", "--no-intro", "--no-intro"}, -1, -1, true, true, true, true, false},
        {{"-h"}, -1, -1, false, true, false, false, false},
        {{"--fast"}, -1, -1, false, false, false, false, true},
        {{"spiel"}, -1, -1, false, false, false, false, true},
        {{"--windowed", "-"}, -1, -1, false, false, false, false, true},
        {{"--language"}, -1, -1, false, false, false, false, true},
        {{"--language", "fr"}, -1, -1, false, false, false, false, true},
        {{"--language="}, -1, -1, false, false, false, false, true},
        {{"--language", "--windowed"}, -1, -1, false, false, false, false, true},
        {{"--no-intro=1"}, -1, -1, false, false, false, false, true},
        {{"--help", "--LANGUAGE", "en"}, -1, -1, false, false, false, false, true},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const std::string& argument : c.arguments) {
            line += argument + " ";
        }
        SCOPED_TRACE(line);
        const CommandLine parsed = ParseCommandLine(c.arguments);
        EXPECT_EQ(!parsed.error.empty(), c.refused) << parsed.error;
        if (c.refused) {
            continue;  // the program prints the usage and ends with status 2
        }
        EXPECT_EQ(parsed.fullscreen, c.fullscreen);
        EXPECT_EQ(parsed.language, c.language);
        EXPECT_EQ(parsed.noIntro, c.noIntro);
        EXPECT_EQ(parsed.help, c.help);
        EXPECT_EQ(parsed.version, c.version);
        EXPECT_EQ(parsed.reportStartup, c.reportStartup);
    }
}
