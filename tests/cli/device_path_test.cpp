#include <gtest/gtest.h>

#include <filesystem>

#include "cli/device_path.h"

using korvida::cli::devicePath;

namespace {

TEST(DevicePath, IsAbsoluteWithoutTrailingSlashOrDotComponents)
{
    const std::string current = std::filesystem::current_path().string();
    EXPECT_EQ(devicePath("player"), current + "/player");
    EXPECT_EQ(devicePath("player/"), current + "/player");
    EXPECT_EQ(devicePath("."), current);
    EXPECT_EQ(devicePath("/media/./IPOD//"), "/media/IPOD");
}

TEST(DevicePath, KeepsDotDotAndLinksAsGiven)
{
    // Resolving ".." lexically would be wrong after a symbolic link, so it stays.
    EXPECT_EQ(devicePath("/media/link/../IPOD"), "/media/link/../IPOD");
}

} // namespace
