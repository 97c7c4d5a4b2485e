#include "copy/folder_cover.h"

#include <fcntl.h>
#include <unistd.h>

#include "copy/copy_source.h"
#include "copy/player_file.h"
#include "library/in_media.h"
#include "picture/image_encode.h"
#include "picture/stored_picture_load.h"

namespace korvida {

void writeFolderCover(const InMedia& media, const std::string& folder, const std::string& playerFolder)
{
    const StoredPicture* cover = media.getStoredPicture();
    if (media.getMediaType() != InMedia::kMusic || cover == nullptr)
        return;
    const std::string path = folder + "/" + kFolderCoverName;
    if (::access(path.c_str(), F_OK) == 0)
        return;
    const auto file = resolvePlayerFile(*cover->file, playerFolder);
    if (!file)
        return;
    const std::vector<std::uint8_t> jpeg = encodeJpeg(loadStoredPicture(*cover, *file));
    if (jpeg.empty())
        return;
    // Made only where no file stands yet, so another run's cover is never replaced; one
    // that could not be written whole is taken away again.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    const bool written = writeAll(fd, {reinterpret_cast<const std::byte*>(jpeg.data()), jpeg.size()});
    if (::close(fd) != 0 || !written)
        ::unlink(path.c_str());
}

} // namespace korvida
