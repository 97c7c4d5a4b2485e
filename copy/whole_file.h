#pragma once

#include <string>
#include <system_error>

namespace korvida {

// Makes `text` the whole content of the file at `path` in one step: it is written to a new
// hidden file beside it, flushed to the disk and renamed over the old one, so that a reader
// sees the old content or the new, and a write that fails (a full disk) leaves the old file
// as it was and no hidden file. An existing file keeps its permissions, a new one gets
// those the umask gives; a symbolic link is written through, so the file it points to gets
// the text and the link stays. Anything there but a regular file or a link to one is
// refused (is_a_directory, or invalid_argument for a link to nothing, a pipe or a device).
std::error_code replaceWholeFile(const std::string& path, const std::string& text);

} // namespace korvida
