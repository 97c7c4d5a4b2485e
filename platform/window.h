#pragma once

#include <memory>
#include <string>

#include "platform/control.h"
#include "platform/geometry.h"
#include "platform/view.h"

namespace korvida {

enum class WindowStyle {
    Titled,
    Borderless,
};

// A window on screen: its frame in screen coordinates, title, transparency, background,
// stacking level and whether it is ordered in. It owns a content view, which can be swapped
// for another window's content (the full-screen window shows the content of a panel).
class Window : public Control {
public:
    Window() : ownContent(std::make_unique<View>()), content(ownContent.get()) {}

    const Rect& frame() const { return frameRect; }
    void setFrame(const Rect& value)
    {
        frameRect = value;
        notify(Change::Frame);
    }

    const std::string& title() const { return windowTitle; }
    void setTitle(const std::string& value)
    {
        windowTitle = value;
        notify(Change::Content);
    }

    float alphaValue() const { return alpha; }
    void setAlphaValue(float value)
    {
        alpha = value;
        notify(Change::Alpha);
    }

    const Color& backgroundColor() const { return background; }
    void setBackgroundColor(const Color& value)
    {
        background = value;
        notify(Change::Content);
    }

    WindowStyle style() const { return windowStyle; }
    void setStyle(WindowStyle value)
    {
        windowStyle = value;
        notify(Change::Content);
    }

    int level() const { return windowLevel; }
    void setLevel(int value)
    {
        windowLevel = value;
        notify(Change::Visibility);
    }

    bool isVisible() const { return visible; }
    bool isKeyWindow() const { return key; }
    void orderFront()
    {
        visible = true;
        notify(Change::Visibility);
    }
    void makeKeyAndOrderFront()
    {
        key = true;
        orderFront();
    }
    void orderOut()
    {
        visible = false;
        key = false;
        notify(Change::Visibility);
    }

    View* contentView() const { return content; }
    void setContentView(View* value)
    {
        content = value != nullptr ? value : ownContent.get();
        notify(Change::Content);
    }

    void display() { notify(Change::Display); }

private:
    std::unique_ptr<View> ownContent;
    View* content;
    Rect frameRect;
    std::string windowTitle;
    Color background = Color::grayColor();
    float alpha = 1.0f;
    WindowStyle windowStyle = WindowStyle::Titled;
    int windowLevel = 0;
    bool visible = false;
    bool key = false;
};

// A secondary window. Shown as a sheet it is attached to a parent window and is modal for it.
class Panel : public Window {
public:
    Window* sheetParent() const { return parent; }

    void beginSheet(Window& parentWindow)
    {
        parent = &parentWindow;
        orderFront();
    }
    void endSheet()
    {
        parent = nullptr;
        orderOut();
    }

private:
    Window* parent = nullptr;
};

} // namespace korvida
