#include "cli/export_progress.h"

#include <algorithm>
#include <cstdio>

namespace korvida::cli {

std::string byteCount(std::uint64_t bytes)
{
    static constexpr const char* units[] = {"B", "kB", "MB", "GB", "TB"};
    double value = static_cast<double>(bytes);
    std::size_t unit = 0;
    while (value >= 1000.0 && unit + 1 < std::size(units)) {
        value /= 1000.0;
        ++unit;
    }
    char text[32];
    if (unit == 0)
        std::snprintf(text, sizeof text, "%llu B", static_cast<unsigned long long>(bytes));
    else
        std::snprintf(text, sizeof text, "%.1f %s", value, units[unit]);
    return text;
}

std::string progressLine(std::size_t doneItems, std::size_t totalItems, std::uint64_t doneBytes,
                         std::uint64_t totalBytes, double seconds, std::size_t width)
{
    const std::string rate = seconds > 0.0 ? byteCount(static_cast<std::uint64_t>(doneBytes / seconds)) + "/s" : "";
    const std::string figures = " " + std::to_string(doneItems) + "/" + std::to_string(totalItems) + " items  " +
        byteCount(doneBytes) + " of " + byteCount(totalBytes) + "  " + rate;
    // The bar takes what the figures leave, between 10 and 40 columns; none on a narrow terminal.
    const std::size_t room = width > figures.size() + 2 ? width - figures.size() - 2 : 0;
    const std::size_t barWidth = std::min<std::size_t>(room, 40);
    if (barWidth < 10)
        return figures.substr(1, width);
    const double share = totalBytes > 0 ? static_cast<double>(std::min(doneBytes, totalBytes)) / totalBytes
        : totalItems > 0                ? static_cast<double>(doneItems) / totalItems
                                        : 1.0;
    const auto filled = static_cast<std::size_t>(share * barWidth);
    return "[" + std::string(filled, '#') + std::string(barWidth - filled, '.') + "]" + figures;
}

std::string exportSummary(const ExportCounts& counts, std::size_t total, bool interrupted)
{
    std::string line = std::to_string(counts.copied) + " copied, " + std::to_string(counts.skipped) +
        " skipped (already there), " + std::to_string(counts.missing) + " missing on the player, " +
        std::to_string(counts.failed) + " failed";
    if (interrupted)
        line += ", " + std::to_string(total - counts.copied - counts.skipped - counts.missing - counts.failed) +
            " not copied (interrupted)";
    return line;
}

} // namespace korvida::cli
