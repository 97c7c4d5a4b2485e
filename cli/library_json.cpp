#include "cli/library_json.h"

#include <optional>
#include <unordered_map>

#include "cli/json_text.h"
#include "library/library.h"

namespace korvida::cli {

namespace {

std::string jsonOptional(const std::optional<std::string>& text)
{
    return text ? jsonString(*text) : "null";
}

std::string itemJson(const InMedia& item)
{
    return "{\"name\": " + jsonString(item.getCleanName()) +
           ", \"artist\": " + jsonString(item.getArtist()) +
           ", \"album\": " + jsonString(item.getAlbum()) +
           ", \"genere\": " + jsonString(item.getGenere()) +
           ", \"fileType\": " + jsonString(item.getFileType()) +
           ", \"path\": " + jsonString(item.getPath()) +
           ", \"mediaType\": " + std::to_string(item.getMediaType()) +
           ", \"tuneOnCdNr\": " + std::to_string(item.getTuneOnCdNr()) +
           ", \"shortId\": " + std::to_string(item.shortId()) +
           ", \"day\": " + jsonOptional(item.getDay()) +
           ", \"nameWithType\": " + jsonOptional(item.getNameWithType()) + "}";
}

std::string playListJson(const PlayList& list, const std::unordered_map<const InMedia*, std::size_t>& indexOf)
{
    std::string members;
    for (const InMedia* member : list.getMedias()) {
        const auto found = indexOf.find(member);
        if (found == indexOf.end())
            continue;  // not an item of this library; there is no index to give
        if (!members.empty())
            members += ", ";
        members += std::to_string(found->second);
    }
    return "{\"name\": " + jsonString(list.getCleanListName()) +
           ", \"isSubList\": " + (list.getIsSubList() ? "true" : "false") +
           ", \"members\": [" + members + "]}";
}

}  // namespace

std::string libraryJson(const Library& library)
{
    std::unordered_map<const InMedia*, std::size_t> indexOf;
    std::string items;
    for (std::size_t i = 0; i < library.mediasVisible.size(); ++i) {
        indexOf.emplace(library.mediasVisible[i].get(), i);
        if (i > 0)
            items += ", ";
        items += itemJson(*library.mediasVisible[i]);
    }
    std::string playlists;
    for (const auto& list : library.playLists) {
        if (!playlists.empty())
            playlists += ", ";
        playlists += playListJson(*list, indexOf);
    }
    const std::string device = library.playLists.empty() ? std::string() : library.playLists.front()->getCleanListName();
    return "{\"device\": " + jsonString(device) + ", \"items\": [" + items + "], \"playlists\": [" + playlists + "]}";
}

}  // namespace korvida::cli
