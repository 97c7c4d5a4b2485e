#pragma once

#include <optional>
#include <string>

#include "platform/control.h"

namespace korvida {

// A column's remembered sort direction: the key it sorts by and whether ascending.
struct SortDescriptor {
    std::string key;
    bool ascending = true;
};

enum class CellKind {
    Text,
    CheckBox,
};

// One column of a table: the identifier by which cells read their record's property, the
// header title, the kind of cell it draws, whether its cells can be edited, its sort
// direction memory, and whether it is hidden and may be shown or hidden by the user.
class TableColumn : public Control {
public:
    explicit TableColumn(std::string identifier, std::string headerTitle = {}, CellKind kind = CellKind::Text,
                         bool editable = false)
        : columnIdentifier(std::move(identifier)),
          title(std::move(headerTitle)),
          cellKind(kind),
          cellsEditable(editable)
    {}

    const std::string& identifier() const { return columnIdentifier; }

    const std::string& headerTitle() const { return title; }
    void setHeaderTitle(const std::string& value)
    {
        title = value;
        notify(Change::Content);
    }

    CellKind kind() const { return cellKind; }
    bool isEditable() const { return cellsEditable; }

    // A hidden column keeps its place among the columns but is not drawn.
    bool isHidden() const { return hidden; }
    void setHidden(bool value)
    {
        if (hidden == value)
            return;
        hidden = value;
        notify(Change::Visibility);
    }

    // Whether the header's menu offers the column to be shown and hidden.
    bool isUserHideable() const { return userHideable; }
    void setUserHideable(bool value) { userHideable = value; }

    const std::optional<SortDescriptor>& sortDescriptorPrototype() const { return prototype; }
    void setSortDescriptorPrototype(std::optional<SortDescriptor> value) { prototype = std::move(value); }

private:
    std::string columnIdentifier;
    std::string title;
    std::optional<SortDescriptor> prototype;
    CellKind cellKind;
    bool cellsEditable;
    bool hidden = false;
    bool userHideable = false;
};

} // namespace korvida
