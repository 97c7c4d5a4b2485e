#include "cli/command_line.h"

#include <cstdio>
#include <string_view>

namespace korvida::cli {

bool isCommand(int argc, char** argv)
{
    if (argc < 2)
        return false;
    const std::string_view command = argv[1];
    return command == "list" || command == "export";
}

int run(int argc, char** argv)
{
    (void)argc;
    (void)argv;
    std::fputs("usage: korvida list DEVICE [--json]\n", stderr);
    return 2;
}

}  // namespace korvida::cli
