#include "cli/command_line.h"

int main(int argc, char** argv)
{
    return korvida::cli::run(argc, argv);
}
