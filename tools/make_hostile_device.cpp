// make_hostile_device KIND SIZE FOLDER: writes a player folder whose iTunesDB or Photo
// Database is one of the damaged databases of hostile_databases.h, about SIZE bytes long,
// to measure a whole `korvida list` of it. Without arguments, lists the kinds.

#include <cstdlib>
#include <iostream>
#include <string>

#include "tools/device_writer/hostile_databases.h"

namespace dw = korvida::devicewriter;

int main(int argc, char** argv)
{
    const auto& kinds = dw::hostile::kinds();
    if (argc != 4) {
        std::cerr << "usage: make_hostile_device KIND SIZE FOLDER\nkinds:";
        for (const auto& kind : kinds)
            std::cerr << ' ' << kind.name;
        std::cerr << '\n';
        return 2;
    }
    for (const auto& kind : kinds) {
        if (kind.name != std::string(argv[1]))
            continue;
        const std::filesystem::path root = argv[3];
        const bool written = dw::hostile::writeDevice(root, kind, std::strtoull(argv[2], nullptr, 10));
        if (!written)
            std::cerr << "make_hostile_device: cannot write " << root << '\n';
        return written ? 0 : 1;
    }
    std::cerr << "make_hostile_device: unknown kind " << argv[1] << '\n';
    return 2;
}
