#include "import/desktop_script_runner.h"

#include <limits>
#include <map>

#include "copy/copy_outcome.h"
#include "copy/export_naming.h"
#include "copy/folder_cover.h"
#include "import/import_copy.h"
#include "import/script_text.h"
#include "library/in_media.h"
#include "library/play_list.h"

namespace korvida {

namespace {

const std::string kL(1, kLiteralMark);
const std::string kTell = "tell application " + kL;
const std::string kEndTell = "end tell";
const std::string kNamePlaylist = "set new_playlist_name to " + kL;
const std::string kAddFile = "set new_track to {add file " + kL + " to playlist " + kL + "}";
const std::string kSetName = "set name of new_track to " + kL;
const std::string kCopyTrack = "copy new_track to {playlist " + kL + "}";
const std::string kMakeAlbum = "new album name new_playlist_name with properties";

// "import from {L,L,...} to album L", with any number of paths.
bool isPictureImport(const ScriptStatement& statement)
{
    const std::string head = "import from {";
    const std::string tail = "} to album " + kL;
    const std::string& shape = statement.shape;
    if (shape.size() < head.size() + tail.size() || shape.rfind(head, 0) != 0 ||
        shape.compare(shape.size() - tail.size(), tail.size(), tail) != 0)
        return false;
    const std::string paths = shape.substr(head.size(), shape.size() - head.size() - tail.size());
    for (std::size_t i = 0; i < paths.size(); ++i)
        if (paths[i] != (i % 2 == 0 ? kLiteralMark : ','))
            return false;
    return paths.empty() || paths.size() % 2 == 1;
}

// A script is read only when it is one tell block of the given program.
bool isTellBlock(const std::vector<ScriptStatement>& statements, const std::string& program)
{
    return statements.size() >= 2 && statements.front().shape == kTell && statements.front().literals[0] == program &&
        statements.back().shape == kEndTell;
}

// Where the `occurrence`-th standing of `item` comes in the first device playlist (after
// the library entry) named `name`; unknown places come last.
std::size_t memberRank(std::span<const std::unique_ptr<PlayList>> playLists, const std::string& name,
                       const InMedia& item, std::size_t occurrence)
{
    for (std::size_t i = 1; i < playLists.size(); ++i) {
        if (playLists[i]->getCleanListName() != name)
            continue;
        const auto& members = playLists[i]->getMedias();
        for (std::size_t place = 0; place < members.size(); ++place)
            if (members[place] == &item && occurrence-- == 0)
                return place;
        break;
    }
    return std::numeric_limits<std::size_t>::max();
}

std::string entryTitle(const std::string& artist, const std::string& title)
{
    return artist.empty() ? title : artist + " - " + title;
}

} // namespace

DesktopScriptRunner::DesktopScriptRunner(ImportFolders folders, DestinationFileSystem& fileSystem,
                                         StatisticsTagWriter* tagWriter)
    : folders(std::move(folders)),
      fileSystem(fileSystem),
      playlists(joinPath(this->folders.music, "Playlists"), fileSystem),
      tagWriter(tagWriter)
{}

bool DesktopScriptRunner::executeScript(const std::string& source)
{
    return executeImportScript(source, ScriptContext{});
}

bool DesktopScriptRunner::executeImportScript(const std::string& source, const ScriptContext& context)
{
    const std::vector<ScriptStatement> statements = readStatements(source);
    if (isTellBlock(statements, "iTunes"))
        return runMusicScript(statements, context);
    if (isTellBlock(statements, "iPhoto"))
        return runPhotoScript(statements, context);
    return false;
}

bool DesktopScriptRunner::runMusicScript(const std::vector<ScriptStatement>& statements, const ScriptContext& context)
{
    bool ran = true;
    std::optional<TrackRequest> track;
    bool namedPlaylist = false;
    for (const ScriptStatement& statement : statements) {
        const auto& shape = statement.shape;
        if (shape == kNamePlaylist) {
            // Naming playlists to make opens a new run: playlist files are read afresh.
            if (!namedPlaylist && !track)
                playlists.startRun();
            namedPlaylist = true;
        } else if (shape == kAddFile || shape == kEndTell) {
            if (track)
                ran = importTrack(*track, context) && ran;
            track.reset();
            if (shape == kAddFile)
                track = TrackRequest{statement.literals[0], std::nullopt, {}};
        } else if (shape == kSetName && track) {
            track->name = statement.literals[0];
        } else if (shape == kCopyTrack && track) {
            track->playlists.push_back(statement.literals[0]);
        }
    }
    return ran;
}

std::vector<UnwrittenFile> DesktopScriptRunner::finishImport()
{
    std::vector<UnwrittenFile> unwritten;
    for (const PlaylistProblem& problem : playlists.save())
        unwritten.push_back({problem.file, problem.error});
    return unwritten;
}

std::optional<std::string> DesktopScriptRunner::folderOnPlayer(const std::string& playerFolder) const
{
    return korvida::folderOnPlayer(folders, playerFolder);
}

bool DesktopScriptRunner::importTrack(const TrackRequest& request, const ScriptContext& context)
{
    InMedia* item = findItem(request.file, true, context);
    if (item == nullptr || item->getMediaType() == InMedia::kPhoto)
        return false;
    const bool film = item->getMediaType() == InMedia::kMovie;
    const std::string title = request.name.value_or(item->getCleanName());
    const ExportPlace place = film
        ? ExportPlace{{}, musicMovieFileName(title, item->getFileType(), 0, false)}
        : musicMoviePlace(item->getArtist(), item->getAlbum(),
                          musicMovieFileName(title, item->getFileType(), item->getTuneOnCdNr(), true));
    const ImportedFile imported = importFile(*item, film ? folders.videos : folders.music, place, context.playerFolder,
                                             fileSystem);
    // Only a file this import made is changed; one found there from before is the user's.
    if (imported.outcome == CopyOutcome::copied && context.writeStatistics && tagWriter != nullptr) {
        const StatisticsTagTexts texts = statisticsTagTexts(item->getStatistics());
        if (!texts.empty())
            tagWriter->writeStatisticsTags(imported.path, texts);
    }
    if (context.itemDone)
        context.itemDone(*item, imported.outcome);
    if (imported.outcome != CopyOutcome::copied && imported.outcome != CopyOutcome::skipped)
        return false;
    // The cover goes beside the file, into the album folder as it was named on this disk.
    writeFolderCover(*item, imported.path.substr(0, imported.path.rfind('/')), context.playerFolder);
    const std::string entry = entryTitle(item->getArtist(), title);
    // The collecting playlist keeps the order of the import; the others that of the player.
    playlists.addToCollection(entry, imported.path);
    std::map<std::string, std::size_t> occurrences;
    for (const std::string& playlist : request.playlists)
        playlists.add(playlist, entry, imported.path,
                      memberRank(context.playLists, playlist, *item, occurrences[playlist]++));
    return true;
}

bool DesktopScriptRunner::runPhotoScript(const std::vector<ScriptStatement>& statements, const ScriptContext& context)
{
    bool ran = true;
    for (const ScriptStatement& statement : statements) {
        if (!isPictureImport(statement))
            continue;
        const std::string album = exportComponent(statement.literals.back());
        for (std::size_t i = 0; i + 1 < statement.literals.size(); ++i) {
            if (context.stopRequested != nullptr && context.stopRequested->load(std::memory_order_relaxed))
                return false;
            InMedia* item = findItem(statement.literals[i], false, context);
            if (item == nullptr || item->getMediaType() != InMedia::kPhoto) {
                ran = false;
                continue;
            }
            const std::string& path = item->getPath();
            const std::string fileName = item->getNameWithType().value_or(path.substr(path.rfind('/') + 1));
            const ImportedFile imported = importFile(*item, folders.pictures,
                                                     ExportPlace{{album}, exportComponent(fileName)},
                                                     context.playerFolder, fileSystem);
            if (context.itemDone)
                context.itemDone(*item, imported.outcome);
            ran = ran && (imported.outcome == CopyOutcome::copied || imported.outcome == CopyOutcome::skipped);
        }
    }
    return ran;
}

InMedia* DesktopScriptRunner::findItem(const std::string& key, bool hfs, const ScriptContext& context)
{
    // A plain walk: the library may be replaced between runs, so nothing of it is kept.
    // The file name, the end of both forms of a path, turns most items down at once.
    const std::string_view keyView(key);
    for (const auto& item : context.library) {
        const std::string& path = item->getPath();
        const std::string_view fileName = std::string_view(path).substr(path.rfind('/') + 1);
        if (!keyView.ends_with(fileName))
            continue;
        if (hfs ? hfsStylePath(path) == key : path == key)
            return item.get();
    }
    return nullptr;
}

} // namespace korvida
