#include "browser/history_gate.h"

#include "browser/text_case.h"

namespace sg {

bool isExcludedFromHistory(
    std::string_view title, std::string_view locationUrl, const HistoryExclusions& excluded)
{
    const std::string lowerTitle = lowerAscii(title);
    if (lowerTitle == "cannot find server" || lowerTitle == "web page unavailable while offline")
        return true;
    if (locationUrl.size() >= kAutoSearchPrefix.size()
        && lowerAscii(locationUrl.substr(0, kAutoSearchPrefix.size())) == kAutoSearchPrefix)
        return true;
    for (const std::string* own :
        { &excluded.StartPage, &excluded.KillPopUpsPath, &excluded.DefPagePath,
            &excluded.StartPageUrl, &excluded.KillPopUpsUrl, &excluded.DefPageUrl }) {
        if (equalsIgnoringCase(locationUrl, *own))
            return true;
    }
    return false;
}

} // namespace sg
