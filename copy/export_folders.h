#pragma once

#include <string>

#include "copy/export_naming.h"

namespace korvida {

// Creates, level by level, every folder of `place` under `runFolder` that does not exist
// yet, and returns the destination path of the file. A folder that cannot be created is
// not reported: the copy into it then fails to open its file.
std::string makeExportFolders(const std::string& runFolder, const ExportPlace& place);

} // namespace korvida
