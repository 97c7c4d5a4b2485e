#pragma once

#include <string>

namespace korvida {

// The program's home page, an HTML page shipped among its resources.
inline constexpr const char* kHomePageName = "HomePage";
inline constexpr const char* kHomePageType = "html";

// The About box shown instead when no browser can open the home page.
inline constexpr const char* kAboutTitle = "About Korvida";
inline std::string aboutText(const std::string& homePageUrl)
{
    std::string text = "Korvida shows, plays and copies what is on an iPod-style player. It only reads the "
                       "player, never writes to it.";
    if (!homePageUrl.empty())
        text += "\n\nNo browser could open its home page: " + homePageUrl;
    return text;
}

} // namespace korvida
