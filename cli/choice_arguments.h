#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/export_selection.h"

namespace korvida::cli {

// The arguments of a command that chooses items of a player (export, import): its operands,
// `--type`, `--playlist` and `--match` with their values, `--help`, and the command's own
// flags that take no value.
struct ChoiceArguments {
    std::vector<std::string> operands;
    ExportChoice choice;                // its playlist is the last one named
    std::vector<std::string> playlists; // every `--playlist`, in order
    std::vector<std::string> flags;     // those of `knownFlags` that were given
    bool help = false;
};

// The arguments, or nothing after telling `err`, prefixed by `command`, what is wrong.
// Everything after "--" is an operand.
std::optional<ChoiceArguments> parseChoiceArguments(std::string_view command, const std::vector<std::string>& arguments,
                                                    const std::vector<std::string_view>& knownFlags, std::ostream& err);

} // namespace korvida::cli
