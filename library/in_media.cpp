#include "library/in_media.h"

#include <array>

InMedia::PhotoTexts& InMedia::photoTexts()
{
    if (!photoOnly)
        photoOnly = std::make_unique<PhotoTexts>();
    return *photoOnly;
}

// Names are changed seldom and held for a moment, so a few locks serve every item; an
// item always takes the same one.
std::mutex& InMedia::nameLock() const
{
    static std::array<std::mutex, 64> locks;
    return locks[reinterpret_cast<std::uintptr_t>(this) / sizeof(InMedia) % locks.size()];
}

std::string InMedia::getName() const
{
    const bool copying = getIsCopying();
    const bool waiting = getShouldStartCopy();
    const bool playing = getIsPlaying();
    std::string bare = getCleanName();
    if (copying && getIsImporting())
        return (playing ? "Playing and Exporting " : "Imports ") + bare;
    if (copying)
        return (playing ? "Playing and Copying " : "Copying ") + bare;
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
    std::lock_guard lock(nameLock());
    return name;
}

std::string InMedia::getOwnName() const
{
    std::string own = getCleanName();
    if (getIsBroken() && own.starts_with(kBrokenMark))
        own.erase(0, kBrokenMark.size());
    return own;
}

void InMedia::setName(const std::string& value)
{
    std::lock_guard lock(nameLock());
    name = value;
}

void InMedia::prefixName(const std::string& prefix)
{
    std::lock_guard lock(nameLock());
    name = prefix + name;
}
