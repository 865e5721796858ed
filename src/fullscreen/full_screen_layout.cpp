#include "fullscreen/full_screen_layout.h"

namespace sg {
namespace {

Rect button(double left)
{
    return { left, 0, kPictureButtonWidth, kFullScreenStripHeight };
}

} // namespace

Rect fullScreenFit(const Rect& workArea)
{
    return { workArea.left, workArea.top, workArea.width, workArea.height - kFullScreenBottomGap };
}

FullScreenLayout fullScreenLayout(const Size& client)
{
    FullScreenLayout layout;
    layout.strip = { 0, 0, client.width, kFullScreenStripHeight };
    layout.dockButton = button(kDockButtonLeft);
    layout.addPageButton = button(kAddPageButtonLeft);
    layout.slideshowButton = button(kSlideshowButtonLeft);
    layout.backButton = button(client.width - 2475);
    layout.forwardButton = button(layout.backButton.left + 375);
    layout.refreshButton = button(client.width - 1620);
    layout.closeButton = button(client.width - 765);
    layout.titleStrip
        = { kTitleStripLeft, 0, client.width - 2475 - kTitleStripLeft, kFullScreenStripHeight };
    layout.browser
        = { 0, kFullScreenStripHeight, client.width, client.height - kFullScreenStripHeight };
    return layout;
}

Rect defaultAddPagePanel()
{
    return { kTitleStripLeft, 450, 5400, 585 };
}

Rect slideshowPanelRect()
{
    return { kSlideshowButtonLeft, 450, 8400, 585 };
}

Rect addPagePanelAfterDrop(const Rect& panel, double offsetX, double offsetY, double dropX,
    double dropY, const Size& client)
{
    if (dropX < 0 || dropY < 0 || dropX >= client.width || dropY >= client.height)
        return panel;
    return { dropX - offsetX, dropY - offsetY, panel.width, panel.height };
}

float fullScreenCascade(float position)
{
    const float moved = position - 600;
    return moved < 0 ? 600 : moved;
}

} // namespace sg
