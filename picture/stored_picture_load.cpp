#include "picture/stored_picture_load.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "picture/frame_decode.h"

namespace korvida {

namespace {

// The frame's bytes, read whole, or nothing.
std::vector<std::uint8_t> readFrame(const StoredPicture& picture, const std::string& file)
{
    // Non-blocking, and regular files only, so that a pipe at the path cannot hold the read.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {};
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return {};
    }
    std::vector<std::uint8_t> bytes(picture.byteCount);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::pread(fd, bytes.data() + done, bytes.size() - done,
                                    static_cast<off_t>(picture.offset + done));
        if (got <= 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    if (done != bytes.size())
        return {};
    return bytes;
}

} // namespace

RgbImage loadStoredPicture(const StoredPicture& picture, const std::string& file)
{
    const std::vector<std::uint8_t> bytes = readFrame(picture, file);
    if (bytes.empty())
        return {};
    RgbImage frame = decodeAnyFrame(bytes, picture.frameWidth, picture.frameHeight);
    if (frame.empty())
        return {};
    return cropImage(std::move(frame), picture.left, picture.top, picture.width, picture.height);
}

} // namespace korvida
