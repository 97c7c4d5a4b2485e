#include "devicedb/item_budget.h"

#include <string>

namespace korvida {

namespace {

class DatabaseReadCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "database read"; }
    std::string message(int value) const override
    {
        if (value == static_cast<int>(DatabaseReadError::tooManyItems))
            return "it announces more items than a file of its size can hold, so only the first were read";
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
