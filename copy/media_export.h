#pragma once

#include <string>

#include "copy/copy_outcome.h"
#include "copy/export_delegate.h"

class InMedia;

namespace korvida {

// Copies one item under its readable name into the run folder: a tune or movie into its
// artist and album folders, a picture into its year, month and day folders. The delegate
// is asked to reload the media tables at the end, whatever the outcome.
CopyOutcome exportMusicMovie(InMedia& media, const std::string& runFolder, const ExportDelegate& delegat);
CopyOutcome exportPicture(InMedia& media, const std::string& runFolder, const ExportDelegate& delegat);

} // namespace korvida
