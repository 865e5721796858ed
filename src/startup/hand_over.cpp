#include "startup/hand_over.h"

#include "startup/startup_helpers.h"

namespace sg {

HandOverResult HandOverReceiver::receive(std::string_view commandLine, HandOverTarget& target)
{
    if (target.ending())
        return HandOverResult::CannotTake;
    // The address arrives first; a start without one leaves a kept address in place.
    if (std::string address = pendingStartUrlFrom(commandLine); !address.empty())
        m_kept = std::move(address);
    if (target.modalWindowOpen()) {
        target.showRefusal(kHandOverRefusedText);
        return HandOverResult::Refused;
    }
    if (!target.mainWindowOpen())
        return HandOverResult::NoMainWindow;
    if (!m_kept.empty()) {
        target.setPendingStartUrl(m_kept);
        m_kept.clear();
    }
    target.openNewMainWindow();
    return HandOverResult::Opened;
}

} // namespace sg
