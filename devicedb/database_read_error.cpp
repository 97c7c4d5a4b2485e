#include "devicedb/database_read_error.h"

#include <string>

namespace korvida {

namespace {

class DatabaseReadCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "database read"; }
    std::string message(int value) const override
    {
        switch (static_cast<DatabaseReadError>(value)) {
        case DatabaseReadError::tooManyItems:
            return "it announces more items than a file of its size can hold, so only the first were read";
        case DatabaseReadError::cutShort: return "another program made it shorter while it was read";
        }
        return "unknown database read error";
    }
};

} // namespace

const std::error_category& databaseReadCategory()
{
    static const DatabaseReadCategory category;
    return category;
}

} // namespace korvida
