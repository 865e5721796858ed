#include "startup/command_line.h"

#include <gtest/gtest.h>

using namespace sg;

TEST(CommandLine, OnlyHelpOrVersionAloneAreRequestsEverythingElseIsOneAddress)
{
    using R = CommandLineRequest;
    const struct {
        std::vector<std::string> words;
        ProgramCommandLine expected;
    } cases[] = {
        { {}, { R::Open, "" } },
        { { "--help" }, { R::Help, "--help" } },
        { { "--version" }, { R::Version, "--version" } },
        { { "--help", "x" }, { R::Open, "--help x" } },
        { { "-h" }, { R::Open, "-h" } },
        { { "\"/home/me/My", "Pages/radar.htm\"" },
            { R::Open, "\"/home/me/My Pages/radar.htm\"" } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(readCommandLine(c.words), c.expected) << c.expected.text;
}
