#include "copy/copy_failure.h"

#include <cctype>
#include <cerrno>
#include <system_error>

namespace korvida {

std::string copyFailureReason(int failure)
{
    switch (failure) {
    case kSourceChanged: return "the file changed while it was copied";
    case kNotRegularFile: return "not a regular file";
    case 0:
    case kUnknownCopyFailure: return "unknown error";
    case ENOSPC: return "no space left";
    case EDQUOT: return "disk quota exceeded";
    case EACCES:
    case EPERM: return "permission denied";
    case EROFS: return "read-only file system";
    // FAT and exFAT answer a character they do not take in a name with these.
    case EINVAL:
    case EILSEQ: return "name refused by the file system";
    case ENAMETOOLONG: return "name too long";
    case EFBIG: return "file too large for the file system";
    case EEXIST: return "a file of that name appeared meanwhile";
    case ENOENT: return "no such file or folder";
    case ENOTDIR: return "a file stands where a folder should be";
    case EIO: return "input/output error";
    default: break;
    }
    std::string text = std::generic_category().message(failure);
    if (!text.empty())
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

} // namespace korvida
