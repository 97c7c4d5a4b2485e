#pragma once

#include <optional>
#include <string>
#include <vector>

#include "import/playlist_shelf.h"
#include "import/script_statements.h"
#include "import/statistics_tags.h"
#include "import/user_folders.h"
#include "platform/desktop.h"

// Carries out the import scripts on a desktop with no such scripting: it reads the
// statements those scripts hold, and only those, and does their work in the user's music,
// videos and pictures folders. Tunes land in Music as Artist/Album/NN Title.ext, films in
// Videos under their name, pictures in Pictures/<album>, and every playlist is an M3U8 file
// in Music/Playlists, written once when the run is over. Names follow the export's rules,
// portable ones included. Only files of the player's items are read, nothing is written onto
// the player, and no file but a playlist the run adds to is ever replaced.
namespace korvida {

class DesktopScriptRunner final : public ScriptRunner {
public:
    // `tagWriter`, when given, writes the player's statistics into copied tunes whose
    // import asks for it.
    explicit DesktopScriptRunner(ImportFolders folders, DestinationFileSystem& fileSystem = localFileSystem(),
                                 StatisticsTagWriter* tagWriter = nullptr);

    // With no player items a script can only name playlists.
    bool executeScript(const std::string& source) override;
    bool executeImportScript(const std::string& source, const ScriptContext& context) override;
    std::vector<UnwrittenFile> finishImport() override;
    std::optional<std::string> folderOnPlayer(const std::string& playerFolder) const override;

private:
    // What one script asks the music program to do with one file; the file always goes into
    // the list of everything imported, whose own file no player playlist can take.
    struct TrackRequest {
        std::string file;
        std::optional<std::string> name;
        std::vector<std::string> playlists;
    };

    bool runMusicScript(const std::vector<ScriptStatement>& statements, const ScriptContext& context);
    bool runPhotoScript(const std::vector<ScriptStatement>& statements, const ScriptContext& context);
    bool importTrack(const TrackRequest& request, const ScriptContext& context);
    InMedia* findItem(const std::string& key, bool hfs, const ScriptContext& context);

    ImportFolders folders;
    DestinationFileSystem& fileSystem;
    PlaylistShelf playlists;
    StatisticsTagWriter* tagWriter;
};

} // namespace korvida
