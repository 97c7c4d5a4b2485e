#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_app.h"
#include "support/fake_services.h"
#include "support/temp_dir.h"
#include "support/tune_player.h"
#include "tools/device_writer/device_writer.h"

// A launched controller on fake services, with players written into a temporary folder.
class LaunchedApp : public ::testing::Test {
protected:
    LaunchedApp() { fakes.resources.paths["Opstart.mp3"] = "/shipped/Opstart.mp3"; }

    MainApp& launch()
    {
        app = std::make_unique<MainApp>(fakes.services());
        app->applicationDidFinishLaunching();
        return *app;
    }

    // A player folder named `name` holding one tune for each title.
    std::string writePlayer(const std::string& name, const std::vector<std::string>& titles)
    {
        const auto root = dir.path() / name;
        EXPECT_TRUE(korvida::devicewriter::writeDevice(root, tunePlayer(titles)));
        return root.string();
    }

    // An item of the open library that waits in the copy queue, counted as pending.
    InMedia& queueCopy(const std::string& name)
    {
        auto media = std::make_unique<InMedia>();
        media->setName(name);
        media->setShouldStartCopy(true);
        app->state.numberOfSaveMedia.fetch_add(1);
        app->mediasVisible.push_back(std::move(media));
        return *app->mediasVisible.back();
    }

    std::vector<std::string> mediaNames() const
    {
        std::vector<std::string> names;
        for (const auto& media : app->mediasVisible)
            names.push_back(media->getCleanName());
        return names;
    }

    FakeServices fakes;
    TempDir dir;
    std::unique_ptr<MainApp> app;
};
