#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/image.h"
#include "platform/view.h"

namespace korvida {

enum class ButtonKind {
    Push,
    Toggle, // keeps its state between clicks: the fast buttons
    CheckBox,
};

// A push button, toggle button or check box with an optional picture, a state (0 off,
// 1 on), an integer tag and an action that a click sends.
class Button : public View {
public:
    using Action = std::function<void(Button&)>;

    explicit Button(ButtonKind kind = ButtonKind::Push) : buttonKind(kind) {}

    ButtonKind kind() const { return buttonKind; }

    const std::shared_ptr<Image>& image() const { return picture; }
    void setImage(std::shared_ptr<Image> value)
    {
        picture = std::move(value);
        notify(Change::Content);
    }

    int state() const { return buttonState; }
    void setState(int value)
    {
        buttonState = value;
        notify(Change::Content);
    }

    int tag() const { return buttonTag; }
    void setTag(int value) { buttonTag = value; }

    const std::string& title() const { return caption; }
    void setTitle(const std::string& value)
    {
        caption = value;
        notify(Change::Content);
    }

    bool isEnabled() const { return enabled; }
    void setEnabled(bool value)
    {
        enabled = value;
        notify(Change::Enabled);
    }

    void setAction(Action value) { action = std::move(value); }

    // A click as the user makes it: a toggle or check box flips its state first; a disabled
    // button does nothing.
    void performClick()
    {
        if (!enabled)
            return;
        if (buttonKind != ButtonKind::Push)
            setState(buttonState == 0 ? 1 : 0);
        sendAction();
    }

    // Sends the action without touching the state: the binding uses this after it has set
    // the state that the widget shows.
    void sendAction()
    {
        if (action)
            action(*this);
    }

private:
    ButtonKind buttonKind;
    std::shared_ptr<Image> picture;
    std::string caption;
    Action action;
    int buttonState = 0;
    int buttonTag = 0;
    bool enabled = true;
};

} // namespace korvida
