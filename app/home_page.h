#pragma once

namespace korvida {

// The program's home page, an HTML page shipped among its resources.
inline constexpr const char* kHomePageName = "HomePage";
inline constexpr const char* kHomePageType = "html";

} // namespace korvida
