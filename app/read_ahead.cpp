#include "app/read_ahead.h"

namespace korvida {

namespace {

TunesRead readNow(const std::string& iPodPath)
{
    TunesRead read;
    read.library = readTunes(iPodPath, &read.problems);
    return read;
}

} // namespace

void ReadAhead::start(const std::string& iPodPath)
{
    folder = iPodPath;
    pending = std::async(std::launch::async, readNow, iPodPath);
}

TunesRead ReadAhead::read(const std::string& iPodPath)
{
    std::future<TunesRead> started = std::move(pending);
    if (started.valid() && folder == iPodPath)
        return started.get();
    return readNow(iPodPath);
}

} // namespace korvida
