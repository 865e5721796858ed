#pragma once
// The full-screen window's tool tips (applyToolTips) and caption from the shared tool-tip table.

#include "settings/tool_tips.h"

#include <string>

namespace sg {

inline constexpr std::size_t kCloseToolTip = 36;
inline constexpr std::size_t kAddPageToolTip = 37;
inline constexpr std::size_t kTitleStripToolTip = 38; // program title + " - Full Screen Window"
inline constexpr std::size_t kDockToolTip = 39;
inline constexpr std::size_t kRefreshPageToolTip = 40;
inline constexpr std::size_t kForwardToolTip = 41;
inline constexpr std::size_t kBackToolTip = 42;

struct FullScreenToolTips {
    std::string close;
    std::string addPage;
    std::string titleStrip;
    std::string dock;
    std::string refresh;
    std::string forward;
    std::string back;

    bool operator==(const FullScreenToolTips&) const = default;
};

// Every tip empty while tool tips are off; else the table's entries, and for the title strip
// the page title, " - " and entry 38.
FullScreenToolTips fullScreenToolTips(
    const ToolTipTexts& texts, bool toolTipsOff, const std::string& pageTitle);

// The window's caption: the page title and " - " (once a page has a title) before the
// program title + " - Full Screen Window".
std::string fullScreenCaption(const std::string& pageTitle);

} // namespace sg
