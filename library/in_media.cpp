#include "library/in_media.h"

std::string InMedia::getName() const
{
    const bool copying = getIsCopying();
    const bool waiting = getShouldStartCopy();
    const bool playing = getIsPlaying();
    std::string bare = getCleanName();
    if (copying)
        return (playing ? "Playing and Exporting " : "Imports ") + bare;
    if (waiting)
        return (playing ? "Playing and Waiting " : "Waiting ") + bare;
    if (getCopyFailed())
        return (playing ? "Playing and Failed " : "Failed ") + bare;
    if (playing)
        return "Playing " + bare;
    return bare;
}

std::string InMedia::getCleanName() const
{
    std::lock_guard lock(nameMutex);
    return name;
}

void InMedia::setName(const std::string& value)
{
    std::lock_guard lock(nameMutex);
    name = value;
}

void InMedia::prefixName(const std::string& prefix)
{
    std::lock_guard lock(nameMutex);
    name = prefix + name;
}
