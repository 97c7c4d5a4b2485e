#pragma once

#include <functional>
#include <string>

#include "app/device_drop.h"
#include "library/process_state.h"
#include "platform/image_view.h"
#include "platform/movie_view.h"
#include "platform/pasteboard.h"

// The three places a device folder can be dropped: the picture view, the movie view and the
// application's icon (a folder handed to the program to open). None of them reads anything;
// each stores the path and tells `dropped`, which has it read on the main thread's next turn.

class InImageView : public korvida::ImageView {
public:
    InImageView(ProcessState& state, std::function<void()> dropped) : state(state), dropped(std::move(dropped)) {}
    korvida::DragOperation draggingEntered(const korvida::Pasteboard&) const { return korvida::DragOperation::Copy; }
    bool performDragOperation(const korvida::Pasteboard& pasteboard)
    {
        if (!korvida::acceptFileDrop(state, pasteboard))
            return false;
        dropped();
        return true;
    }

private:
    ProcessState& state;
    std::function<void()> dropped;
};

class InMovieView : public korvida::MovieView {
public:
    InMovieView(ProcessState& state, std::function<void()> dropped) : state(state), dropped(std::move(dropped)) {}
    korvida::DragOperation draggingEntered(const korvida::Pasteboard&) const { return korvida::DragOperation::Copy; }
    bool performDragOperation(const korvida::Pasteboard& pasteboard)
    {
        if (!korvida::acceptFileDrop(state, pasteboard))
            return false;
        dropped();
        return true;
    }

private:
    ProcessState& state;
    std::function<void()> dropped;
};

class DroppOnIcon {
public:
    DroppOnIcon(ProcessState& state, std::function<void()> dropped) : state(state), dropped(std::move(dropped)) {}
    // The type name is not looked at: whatever is opened is treated as a dropped folder.
    bool readFromFile(const std::string& path, const std::string& /*type*/)
    {
        korvida::storeDrop(state, path);
        dropped();
        return true;
    }

private:
    ProcessState& state;
    std::function<void()> dropped;
};
