#pragma once
// What the About window shows: its caption, the program's description and its version.

#include <string>
#include <string_view>

namespace sg {

inline constexpr std::string_view kAboutCaption = "About";
inline constexpr std::string_view kAboutDescription
    = "Custom Built Web Browser For NWS Weather Radar And Other Graphics Intensive And "
      "Scripting Sites,   Or Any Kind Of Web Browsing.";
inline constexpr std::string_view kAboutDescriptionFont = "Arial";
inline constexpr std::string_view kAboutVersionFont = "Verdana";

// "Vs." + major + "." + minor + "." + patch, each a plain decimal (2, 1, 14 gives Vs.2.1.14).
std::string versionLabel(int major, int minor, int patch);

// The label of the running program's version.
std::string programVersionLabel();

} // namespace sg
