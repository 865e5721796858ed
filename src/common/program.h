#pragma once
// The program's title, as it appears in captions, messages and the data folder's name.

#include <string_view>

namespace sg {

inline constexpr std::string_view kProgramTitle = "Skyglass2";

} // namespace sg
