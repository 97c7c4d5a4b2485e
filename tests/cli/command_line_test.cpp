#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/command_line.h"

namespace {

int runWith(std::vector<std::string> arguments)
{
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    return korvida::cli::run(static_cast<int>(arguments.size()), argv.data());
}

TEST(CommandLine, OnlyCommandNamesAreTakenFromTheWindow)
{
    std::string program = "korvida", list = "list", device = "/media/IPOD";
    char* listArgs[] = {program.data(), list.data(), device.data(), nullptr};
    char* deviceArgs[] = {program.data(), device.data(), nullptr};
    EXPECT_TRUE(korvida::cli::isCommand(3, listArgs));
    EXPECT_FALSE(korvida::cli::isCommand(2, deviceArgs));
    EXPECT_FALSE(korvida::cli::isCommand(1, listArgs));
}

TEST(CommandLine, MissingOrUnknownCommandIsAUsageError)
{
    EXPECT_EQ(runWith({"korvida"}), 2);
    EXPECT_EQ(runWith({"korvida", "frobnicate"}), 2);
    EXPECT_EQ(runWith({"korvida", "list"}), 2);
}

}  // namespace
