#pragma once

#include "platform/desktop.h"
#include "platform/images.h"
#include "platform/movie.h"
#include "platform/user_defaults.h"

namespace korvida {

// Every desktop service the controller uses. The objects outlive the controller.
struct Services {
    Movies& movies;
    Images& images;
    Resources& resources;
    DefaultsStore& defaults;
    Workspace& workspace;
    ScriptRunner& scripts;
    FolderChooser& folderChooser;
    Alert& alert;
    MainThreadQueue& mainThread;
    TickDelay& tickDelay;
    Timers& timers;
    Cursor& cursor;
    Screens& screens;
    KeepAwake& keepAwake;
    Application& application;
};

} // namespace korvida
