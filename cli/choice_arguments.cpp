#include "cli/choice_arguments.h"

#include <algorithm>
#include <map>

#include "cli/display_text.h"
#include "library/in_media.h"

namespace korvida::cli {

namespace {

const std::map<std::string, int, std::less<>> kTypeNames = {
    {"music", InMedia::kMusic}, {"movies", InMedia::kMovie}, {"photos", InMedia::kPhoto}};

bool takesValue(std::string_view argument)
{
    return argument == "--type" || argument == "--playlist" || argument == "--match";
}

// Takes one option and its value at `arguments[i]`, moving `i` past the value; false after
// telling `err` what is wrong.
bool takeValueOption(std::string_view command, const std::vector<std::string>& arguments, std::size_t& i,
                     ChoiceArguments& parsed, std::ostream& err)
{
    const std::string& option = arguments[i];
    if (i + 1 == arguments.size()) {
        err << command << ": " << option << " needs a value\n";
        return false;
    }
    const std::string& value = arguments[++i];
    if (option == "--type") {
        const auto type = kTypeNames.find(value);
        if (type == kTypeNames.end()) {
            err << command << ": unknown type " << printableText(value) << " (music, movies or photos)\n";
            return false;
        }
        parsed.choice.mediaTypes.insert(type->second);
    } else if (option == "--playlist") {
        parsed.playlists.push_back(value);
        parsed.choice.playlist = value;
    } else {
        parsed.choice.match = value;
    }
    return true;
}

} // namespace

std::optional<ChoiceArguments> parseChoiceArguments(std::string_view command, const std::vector<std::string>& arguments,
                                                    const std::vector<std::string_view>& knownFlags, std::ostream& err)
{
    ChoiceArguments parsed;
    bool onlyOperands = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (onlyOperands || argument.size() < 2 || argument[0] != '-') {
            parsed.operands.push_back(argument);
        } else if (argument == "--") {
            onlyOperands = true;
        } else if (argument == "--help" || argument == "-h") {
            parsed.help = true;
        } else if (std::find(knownFlags.begin(), knownFlags.end(), argument) != knownFlags.end()) {
            parsed.flags.push_back(argument);
        } else if (takesValue(argument)) {
            if (!takeValueOption(command, arguments, i, parsed, err))
                return std::nullopt;
        } else {
            err << command << ": unknown option " << printableText(argument) << '\n';
            return std::nullopt;
        }
    }
    return parsed;
}

} // namespace korvida::cli
