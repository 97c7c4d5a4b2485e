// make_demo_device ASSETS_DIR OUT_DIR: builds the demo player folder from the committed
// demo media: SysInfo, an iTunesDB with tunes, a film and two playlists, a Photo Database
// with photos in two albums, and every media file at the place the databases name.

#include <filesystem>
#include <iostream>
#include <system_error>

#include "tools/demo_device.h"

namespace fs = std::filesystem;

namespace {

bool copyInto(const fs::path& source, const fs::path& target)
{
    std::error_code error;
    fs::create_directories(target.parent_path(), error);
    if (!error)
        fs::copy_file(source, target, fs::copy_options::overwrite_existing, error);
    if (error)
        std::cerr << "make_demo_device: cannot copy " << source << " to " << target << ": " << error.message() << '\n';
    return !error;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: make_demo_device ASSETS_DIR OUT_DIR\n";
        return 2;
    }
    const fs::path assets = argv[1];
    const fs::path out = argv[2];
    const korvida::demo::DemoDevice demo = korvida::demo::demoDevice();

    bool ok = true;
    for (const korvida::demo::DemoFile& file : demo.files)
        ok = copyInto(assets / file.asset, out / file.place) && ok;
    if (!korvida::devicewriter::writeDevice(out, demo.device)) {
        std::cerr << "make_demo_device: cannot write the databases under " << out << '\n';
        ok = false;
    }
    return ok ? 0 : 1;
}
