#include <iostream>

#include "cli/command_line.h"

int main(int argc, char** argv)
{
    if (!korvida::cli::isCommand(argc, argv))
        return korvida::cli::windowUnavailable("this build has no window", std::cerr);
    return korvida::cli::run(argc, argv);
}
