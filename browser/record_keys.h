#pragma once

#include <string_view>

#include "library/browser_rows.h"
#include "platform/table_data_source.h"

class InMedia;
class PlayList;

// Key-based access to the records' properties: a column whose identifier is K reads the
// record's get + K and writes its set + K. An unknown key reads as nothing and writes
// nothing; a value of the wrong kind is not written.
namespace korvida {

CellValue valueForKey(const InMedia& media, std::string_view key);
CellValue valueForKey(const PlayList& playList, std::string_view key);
CellValue valueForKey(const Genere& row, std::string_view key);
CellValue valueForKey(const Artist& row, std::string_view key);
CellValue valueForKey(const Album& row, std::string_view key);

void takeValueForKey(InMedia& media, std::string_view key, const CellValue& value);
void takeValueForKey(PlayList& playList, std::string_view key, const CellValue& value);

} // namespace korvida
