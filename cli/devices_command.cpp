#include "cli/devices_command.h"

#include <ostream>

#include "cli/display_text.h"
#include "cli/exit_status.h"
#include "cli/json_text.h"
#include "cli/text_table.h"
#include "devicedb/device_reader.h"
#include "library/library.h"

namespace korvida::cli {

namespace {

struct PlayerSummary {
    MountedPlayer player;
    std::size_t tracks = 0; // tunes and films
    std::size_t photos = 0;
};

PlayerSummary summaryOf(const MountedPlayer& player)
{
    PlayerSummary summary{player};
    for (const auto& item : readDevice(player.mountPoint).mediasVisible)
        ++(item->getMediaType() == InMedia::kPhoto ? summary.photos : summary.tracks);
    return summary;
}

std::string json(const std::vector<PlayerSummary>& summaries)
{
    std::string text = "[";
    for (const PlayerSummary& summary : summaries) {
        text += text.size() == 1 ? "{\"name\": " : ", {\"name\": ";
        appendJsonPath(text, summary.player.name);
        text += ", \"mountPoint\": ";
        appendJsonPath(text, summary.player.mountPoint);
        text += ", \"tracks\": " + std::to_string(summary.tracks) + ", \"photos\": " + std::to_string(summary.photos) +
            "}";
    }
    return text + "]";
}

void printTable(const std::vector<PlayerSummary>& summaries, std::ostream& out)
{
    if (summaries.empty()) {
        out << "No player is mounted.\n";
        return;
    }
    using Align = TextTable::Align;
    TextTable table({{"NAME"}, {"MOUNT POINT"}, {"TRACKS", Align::Right}, {"PHOTOS", Align::Right}});
    for (const PlayerSummary& summary : summaries)
        table.addRow({summary.player.name, summary.player.mountPoint, std::to_string(summary.tracks),
                      std::to_string(summary.photos)});
    table.print(out);
}

} // namespace

int devicesCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   const std::string& mountTable)
{
    bool asJson = false;
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            out << "usage: " << kDevicesUsage << '\n'
                << "Prints the mounted players: name, mount point, tracks and photos;\n"
                << "--json prints them as one JSON array. A name can stand for the folder in\n"
                << "korvida list and korvida export.\n";
            return out.flush() ? kExitSuccess : kExitSomeFailed;
        }
        if (argument != "--json") {
            err << "korvida devices: unknown " << (argument.starts_with('-') ? "option " : "argument ")
                << printableText(argument) << "\nusage: " << kDevicesUsage << '\n';
            return kExitUsage;
        }
        asJson = true;
    }
    std::vector<PlayerSummary> summaries;
    for (const MountedPlayer& player : mountedPlayers(readMountTable(mountTable)))
        summaries.push_back(summaryOf(player));
    if (asJson)
        out << json(summaries) << '\n';
    else
        printTable(summaries, out);
    if (!out.flush()) {
        err << "korvida devices: could not write the list\n";
        return kExitSomeFailed;
    }
    return kExitSuccess;
}

} // namespace korvida::cli
