#pragma once

#include <string>

class InMedia;

namespace korvida {

// The name music players on Linux look for in an album's folder.
inline constexpr const char* kFolderCoverName = "cover.jpg";

// Writes the tune's cover from the player's artwork database as cover.jpg into `folder`,
// the album folder its copy went to, unless the folder holds one already (the user's own,
// or an earlier tune's). Tunes without such a cover, and covers whose thumbnail file no
// longer lies inside `playerFolder` or holds the picture, leave the folder as it is.
void writeFolderCover(const InMedia& media, const std::string& folder, const std::string& playerFolder);

} // namespace korvida
