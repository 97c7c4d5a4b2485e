#pragma once

#include <memory>
#include <string>
#include <vector>

class InMedia;
class PlayList;

// The three scripts of an import: the music program's playlists, one tune or film, and
// the photo program's album with its pictures. Every value is inserted as a quoted
// literal (scriptLiteral).
namespace korvida {

// The playlist and album every import collects into.
inline constexpr const char* kImportCollectionName = "Korvida";

// Makes sure the playlist "Korvida" and one playlist for every ticked import entry exist.
std::string preparationScript(const std::vector<std::unique_ptr<PlayList>>& importEntries);

// Adds `item`'s file to "Korvida" (a film with its name and genre) and copies it into the
// playlist of every ticked import entry whose name is that of a device playlist (from
// index 1) holding it, once for every time it stands there.
std::string trackScript(const InMedia& item, const std::vector<std::unique_ptr<PlayList>>& importEntries,
                        const std::vector<std::unique_ptr<PlayList>>& playLists);

// Imports the pictures at `paths`, in order, into the album "Korvida".
std::string pictureScript(const std::vector<std::string>& paths);

} // namespace korvida
