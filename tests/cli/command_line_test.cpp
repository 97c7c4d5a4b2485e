#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "support/temp_dir.h"

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    bool isCommand = false;
};

Outcome runWith(std::vector<std::string> arguments)
{
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(arguments.size());
    Outcome run;
    run.isCommand = korvida::cli::isCommand(argc, argv.data());
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    run.status = korvida::cli::run(argc, argv.data());
    run.out = testing::internal::GetCapturedStdout();
    testing::internal::GetCapturedStderr();
    return run;
}

TEST(CommandLine, FoldersAndWindowOptionsAreLeftToTheWindow)
{
    TempDir dir;
    EXPECT_FALSE(runWith({"korvida"}).isCommand);
    EXPECT_FALSE(runWith({"korvida", dir.path().string()}).isCommand);
    EXPECT_FALSE(runWith({"korvida", "/media/anna/GONE"}).isCommand); // a path: nothing opens, nothing aborts
    EXPECT_FALSE(runWith({"korvida", "--screenshot", "shot.png", dir.path().string()}).isCommand);
}

TEST(CommandLine, HelpAndVersionAnswerWithoutAWindow)
{
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{"korvida", "--help"}, {"korvida", "-h"}, {"korvida", "help"}}) {
        const Outcome run = runWith(arguments);
        EXPECT_TRUE(run.isCommand);
        EXPECT_EQ(run.status, 0);
        for (const char* usage : {"korvida [PATH]", "korvida list DEVICE", "korvida export DEVICE DEST",
                                  "korvida devices [--json]", "korvida --version"})
            EXPECT_NE(run.out.find(usage), std::string::npos) << usage << " in\n" << run.out;
    }
    const Outcome listHelp = runWith({"korvida", "help", "export"});
    EXPECT_EQ(listHelp.status, 0);
    EXPECT_NE(listHelp.out.find("--no-track-numbers"), std::string::npos) << listHelp.out;
    EXPECT_EQ(runWith({"korvida", "help", "frobnicate"}).status, 2);

    const Outcome version = runWith({"korvida", "--version"});
    EXPECT_TRUE(version.isCommand);
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.starts_with("korvida ")) << version.out;
}

TEST(CommandLine, UnknownOptionsAndWordsAreUsageErrorsNotFoldersToOpen)
{
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"korvida", "--frobnicate"}, {"korvida", "-x", "/media/IPOD"}, {"korvida", "lsit"}, {"korvida", "list"}}) {
        const Outcome run = runWith(arguments);
        EXPECT_TRUE(run.isCommand) << arguments[1];
        EXPECT_EQ(run.status, 2) << arguments[1];
    }
}

TEST(CommandLine, DisplayIsThereOnlyForAPlatformThatCanStart)
{
    using korvida::cli::displayAvailable;
    EXPECT_FALSE(displayAvailable(nullptr, nullptr, nullptr));
    EXPECT_FALSE(displayAvailable("", "", ""));
    EXPECT_TRUE(displayAvailable(nullptr, ":0", nullptr));
    EXPECT_TRUE(displayAvailable(nullptr, nullptr, "wayland-0"));
    EXPECT_TRUE(displayAvailable("offscreen", nullptr, nullptr));
    EXPECT_FALSE(displayAvailable("xcb", nullptr, "wayland-0"));
    EXPECT_FALSE(displayAvailable("wayland;xcb", nullptr, nullptr));
    EXPECT_TRUE(displayAvailable("wayland;xcb", ":1", nullptr));
}

} // namespace
