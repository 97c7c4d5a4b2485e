#include "cli/library_table.h"

#include <ostream>

#include "cli/display_text.h"
#include "cli/text_table.h"
#include "library/library.h"

namespace korvida::cli {

namespace {

constexpr std::size_t kTextColumnWidth = 32;

std::string kindOf(const InMedia& item)
{
    switch (item.getMediaType()) {
    case InMedia::kMovie: return "movie";
    case InMedia::kMusic: return "music";
    case InMedia::kPhoto: return "photo";
    default: return "?";
    }
}

// The item's file relative to the device folder, which is shorter to read; a path
// elsewhere is shown whole.
std::string fileOf(const InMedia& item, const std::string& iPodPath)
{
    const std::string& path = item.getPath();
    const std::string prefix = iPodPath + "/";
    return path.compare(0, prefix.size(), prefix) == 0 ? path.substr(prefix.size()) : path;
}

std::string countOf(std::size_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

void printSummary(const Library& library, const std::string& iPodPath, std::ostream& out)
{
    std::size_t counts[4] = {}; // by media type
    for (const auto& item : library.mediasVisible)
        if (item->getMediaType() >= InMedia::kMovie && item->getMediaType() <= InMedia::kPhoto)
            ++counts[item->getMediaType()];
    const std::string device = library.playLists.empty() ? std::string()
                                                         : library.playLists.front()->getCleanListName();
    out << printableText(iPodPath) << ": " << printableText(device) << ", "
        << countOf(counts[InMedia::kMusic], "tune", "tunes") << ", "
        << countOf(counts[InMedia::kMovie], "movie", "movies") << ", "
        << countOf(counts[InMedia::kPhoto], "photo", "photos") << "\n\n";
}

void printItems(const Library& library, const std::string& iPodPath, std::ostream& out)
{
    using Align = TextTable::Align;
    TextTable table({{"Kind"},
                     {"Title", Align::Left, kTextColumnWidth},
                     {"Artist", Align::Left, kTextColumnWidth},
                     {"Album", Align::Left, kTextColumnWidth},
                     {"Genre", Align::Left, kTextColumnWidth},
                     {"Track", Align::Right},
                     {"File"}});
    for (const auto& item : library.mediasVisible) {
        const bool photo = item->getMediaType() == InMedia::kPhoto;
        table.addRow({kindOf(*item), item->getCleanName(), item->getArtist(), item->getAlbum(), item->getGenere(),
                      photo ? std::string() : std::to_string(item->getTuneOnCdNr()), fileOf(*item, iPodPath)});
    }
    table.print(out);
}

void printPlayLists(const Library& library, std::ostream& out)
{
    TextTable table({{"Playlist", TextTable::Align::Left, 2 * kTextColumnWidth}, {"Members", TextTable::Align::Right}});
    for (const auto& list : library.playLists)
        // getListName indents the ordinary playlists under their library entry.
        table.addRow(
            {list->getListName(), list->getIsSubList() ? "library" : std::to_string(list->getMedias().size())});
    table.print(out);
}

} // namespace

void printLibraryTable(const Library& library, const std::string& iPodPath, std::ostream& out)
{
    printSummary(library, iPodPath, out);
    if (!library.mediasVisible.empty()) {
        printItems(library, iPodPath, out);
        out << '\n';
    }
    printPlayLists(library, out);
}

} // namespace korvida::cli
