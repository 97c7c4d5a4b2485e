#include "cli/command_line.h"

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/display_text.h"
#include "cli/export_command.h"
#include "cli/import_command.h"
#include "cli/list_command.h"

namespace korvida::cli {

namespace {

using CommandFunction = int (*)(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

struct Command {
    std::string_view name;
    std::string_view usage;
    CommandFunction run;
};

// Every command-line command; a new command is one more line here.
constexpr Command kCommands[] = {
    {"list", kListUsage, listCommand},
    {"export", kExportUsage, exportCommand},
    {"import", kImportUsage, importCommand},
};

const Command* findCommand(std::string_view name)
{
    for (const Command& command : kCommands)
        if (command.name == name)
            return &command;
    return nullptr;
}

void printUsage(std::ostream& err)
{
    for (const Command& command : kCommands)
        err << (&command == kCommands ? "usage: " : "       ") << command.usage << '\n';
}

}  // namespace

bool isCommand(int argc, char** argv)
{
    return argc >= 2 && findCommand(argv[1]) != nullptr;
}

int run(int argc, char** argv)
{
    if (argc < 2) {
        printUsage(std::cerr);
        return 2;
    }
    const Command* command = findCommand(argv[1]);
    if (command == nullptr) {
        std::cerr << "korvida: unknown command " << printableText(argv[1]) << '\n';
        printUsage(std::cerr);
        return 2;
    }
    return command->run(std::vector<std::string>(argv + 2, argv + argc), std::cout, std::cerr);
}

}  // namespace korvida::cli
