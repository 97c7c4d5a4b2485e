#include "support/temp_dir.h"

#include <cstdlib>
#include <string>

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "korvida-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr)
        root = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}
