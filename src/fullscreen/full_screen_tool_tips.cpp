#include "fullscreen/full_screen_tool_tips.h"

#include "common/program.h"

namespace sg {

FullScreenToolTips fullScreenToolTips(
    const ToolTipTexts& texts, bool toolTipsOff, const std::string& pageTitle)
{
    if (toolTipsOff)
        return {};
    return { texts[kCloseToolTip], texts[kAddPageToolTip],
        pageTitle + " - " + texts[kTitleStripToolTip], texts[kDockToolTip],
        texts[kRefreshPageToolTip], texts[kForwardToolTip], texts[kBackToolTip] };
}

std::string fullScreenCaption(const std::string& pageTitle)
{
    const std::string window = std::string(kProgramTitle) + " - Full Screen Window";
    return pageTitle.empty() ? window : pageTitle + " - " + window;
}

} // namespace sg
