#pragma once

// The folder the copy benchmarks read their files from and write into, under the temporary
// folder and removed at exit.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace korvida::bench {

class CopyBenchFolder {
public:
    explicit CopyBenchFolder(const std::string& name)
        : root(std::filesystem::temp_directory_path() / ("korvida-" + name + "-bench-" + std::to_string(::getpid())))
    {}
    ~CopyBenchFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(root, error);
    }
    CopyBenchFolder(const CopyBenchFolder&) = delete;
    CopyBenchFolder& operator=(const CopyBenchFolder&) = delete;

    // `count` files of `size` bytes of the same noise in `folder` under the root, the i-th
    // named `nameOf(i)`.
    std::vector<std::filesystem::path> writeNoiseFiles(const std::string& folder, int count, std::size_t size,
                                                       const std::function<std::string(int)>& nameOf) const
    {
        std::filesystem::create_directories(root / folder);
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>(i * 2654435761u >> 24);
        std::vector<std::filesystem::path> files;
        for (int i = 0; i < count; ++i) {
            files.push_back(root / folder / nameOf(i));
            std::ofstream(files.back(), std::ios::binary)
                .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
        return files;
    }

    // The empty folder one pass of a benchmark writes into.
    std::filesystem::path freshDestination() const
    {
        const std::filesystem::path destination = root / "destination";
        std::filesystem::remove_all(destination);
        std::filesystem::create_directory(destination);
        return destination;
    }

    std::filesystem::path root;
};

} // namespace korvida::bench
