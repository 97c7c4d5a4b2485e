#include <gtest/gtest.h>

#include "app/path_text.h"

using korvida::fileUrlForPath;
using korvida::lastPathComponent;

TEST(LastPathComponent, NamesTheFolderItself)
{
    EXPECT_EQ(lastPathComponent("/media/anna/IPOD"), "IPOD");
    EXPECT_EQ(lastPathComponent("/run/media/anna/Anna's iPod//"), "Anna's iPod");
    EXPECT_EQ(lastPathComponent("IPOD"), "IPOD");
    EXPECT_EQ(lastPathComponent("/"), "/");
    EXPECT_EQ(lastPathComponent("//"), "/");
    EXPECT_EQ(lastPathComponent(""), "");
}

TEST(FileUrlForPath, EncodesEverythingButPlainCharacters)
{
    EXPECT_EQ(fileUrlForPath("/usr/share/korvida/index.html"), "file:///usr/share/korvida/index.html");
    EXPECT_EQ(fileUrlForPath("/a b/#?%/é"), "file:///a%20b/%23%3F%25/%C3%A9");
}
