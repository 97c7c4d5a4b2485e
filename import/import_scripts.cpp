#include "import/import_scripts.h"

#include "import/script_text.h"
#include "library/in_media.h"
#include "library/play_list.h"

namespace korvida {

namespace {

// The lines that create the playlist named by `new_playlist_name` when it is missing.
void appendPlaylistCreation(std::string& script)
{
    script += "\n\tif not (exists user playlist new_playlist_name) then";
    script += "\n\t\tset new_playlist_name to (make new playlist with properties {name:new_playlist_name})";
    script += "\n\tend if";
}

void appendPlaylistCopies(std::string& script, const InMedia& item,
                          const std::vector<std::unique_ptr<PlayList>>& importEntries,
                          const std::vector<std::unique_ptr<PlayList>>& playLists)
{
    for (const auto& entry : importEntries) {
        for (std::size_t i = 1; i < playLists.size(); ++i) {
            if (entry->getCleanListName() != playLists[i]->getCleanListName())
                continue;
            for (const InMedia* member : playLists[i]->getMedias())
                if (member == &item && entry->getTaged())
                    script += "\n\tcopy new_track to {playlist " + scriptLiteral(entry->getCleanListName()) + "}";
        }
    }
}

} // namespace

std::string preparationScript(const std::vector<std::unique_ptr<PlayList>>& importEntries)
{
    std::string script = "tell application \"iTunes\"";
    script += "\n\tset new_playlist_name to " + scriptLiteral(kImportCollectionName);
    appendPlaylistCreation(script);
    for (const auto& entry : importEntries) {
        if (!entry->getTaged())
            continue;
        script += "\n\tset new_playlist_name to " + scriptLiteral(entry->getCleanListName());
        appendPlaylistCreation(script);
    }
    return script + "\nend tell";
}

std::string trackScript(const InMedia& item, const std::vector<std::unique_ptr<PlayList>>& importEntries,
                        const std::vector<std::unique_ptr<PlayList>>& playLists)
{
    std::string script;
    script.reserve(600);
    script += "tell application \"iTunes\"\n\t";
    script += "\n\tset new_track to {add file " + scriptLiteral(hfsStylePath(item.getPath())) + " to playlist " +
        scriptLiteral(kImportCollectionName) + "}";
    if (item.getMediaType() == InMedia::kMovie) {
        script += "\n\tset name of new_track to " + scriptLiteral(item.getCleanName());
        script += "\n\tset genre of new_track to " + scriptLiteral(item.getGenere());
    }
    appendPlaylistCopies(script, item, importEntries, playLists);
    return script + "\nend tell";
}

std::string pictureScript(const std::vector<std::string>& paths)
{
    std::string script;
    script.reserve(350 + 60 * paths.size());
    script += "tell application \"iPhoto\"";
    script += "\n\tset new_playlist_name to " + scriptLiteral(kImportCollectionName);
    script += "\n\tif not (exists album new_playlist_name) then";
    script += "\n\t\tnew album name new_playlist_name with properties";
    script += "\n\tend if";
    script += "\n\timport from {";
    for (std::size_t i = 0; i < paths.size(); ++i)
        script += (i == 0 ? "" : ",") + scriptLiteral(paths[i]);
    script += "} to album " + scriptLiteral(kImportCollectionName);
    return script + "\nend tell";
}

} // namespace korvida
