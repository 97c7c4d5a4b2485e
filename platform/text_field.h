#pragma once

#include <functional>
#include <string>

#include "platform/view.h"

namespace korvida {

// A line of text, either a label or (when editable) an entry field with an action.
class TextField : public View {
public:
    using Action = std::function<void(TextField&)>;

    const std::string& stringValue() const { return text; }
    void setStringValue(const std::string& value)
    {
        text = value;
        notify(Change::Content);
    }
    void setIntValue(int value) { setStringValue(std::to_string(value)); }

    bool isEditable() const { return editable; }
    void setEditable(bool value) { editable = value; }

    bool showsFocusRing() const { return focusRing; }
    void setShowsFocusRing(bool value)
    {
        focusRing = value;
        notify(Change::Content);
    }

    void setAction(Action value) { action = std::move(value); }
    // The user has changed the text (the binding has already stored it) and the field acts.
    void sendAction()
    {
        if (action)
            action(*this);
    }

private:
    std::string text;
    Action action;
    bool editable = false;
    bool focusRing = true;
};

} // namespace korvida
