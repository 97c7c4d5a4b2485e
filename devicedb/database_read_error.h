#pragma once

#include <system_error>
#include <type_traits>

namespace korvida {

// What a database read that went through to the end can still report: the file was read in
// part, and the items it gave are shown.
enum class DatabaseReadError {
    tooManyItems = 1, // the file announces more items than its size allows; the first were made
    cutShort,         // another program made the file shorter while it was read
};

const std::error_category& databaseReadCategory();

inline std::error_code make_error_code(DatabaseReadError error)
{
    return {static_cast<int>(error), databaseReadCategory()};
}

} // namespace korvida

template <>
struct std::is_error_code_enum<korvida::DatabaseReadError> : std::true_type {};
