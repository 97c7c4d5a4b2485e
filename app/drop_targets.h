#pragma once

#include <string>

#include "app/device_drop.h"
#include "library/process_state.h"
#include "platform/image_view.h"
#include "platform/movie_view.h"
#include "platform/pasteboard.h"

// The three places a device folder can be dropped: the picture view, the movie view and the
// application's icon (a folder handed to the program to open). None of them reads anything;
// each stores the path for the next tick.

class InImageView : public korvida::ImageView {
public:
    explicit InImageView(ProcessState& state) : state(state) {}
    korvida::DragOperation draggingEntered(const korvida::Pasteboard&) const { return korvida::DragOperation::Copy; }
    bool performDragOperation(const korvida::Pasteboard& pasteboard)
    {
        return korvida::acceptFileDrop(state, pasteboard);
    }

private:
    ProcessState& state;
};

class InMovieView : public korvida::MovieView {
public:
    explicit InMovieView(ProcessState& state) : state(state) {}
    korvida::DragOperation draggingEntered(const korvida::Pasteboard&) const { return korvida::DragOperation::Copy; }
    bool performDragOperation(const korvida::Pasteboard& pasteboard)
    {
        return korvida::acceptFileDrop(state, pasteboard);
    }

private:
    ProcessState& state;
};

class DroppOnIcon {
public:
    explicit DroppOnIcon(ProcessState& state) : state(state) {}
    // The type name is not looked at: whatever is opened is treated as a dropped folder.
    bool readFromFile(const std::string& path, const std::string& /*type*/)
    {
        korvida::storeDrop(state, path);
        return true;
    }

private:
    ProcessState& state;
};
