#pragma once
// Pop-up killing in one main window: a window whose page moves, sizes or re-bars it while
// killing is on is marked, sent to the kill page two passes after its load, and closes when
// that page has loaded (with the boom sound in boom mode). Also the three menu toggles and
// what every window shows of them.

#include "browser/main_window_context.h"

namespace sg {

class PopUpKiller {
public:
    explicit PopUpKiller(MainWindowContext& context)
        : m_c(context)
    {
    }

    // 0 normal; 1 marked as a pop-up; 2 one more pass seen: the next pass kills it.
    int stage() const { return m_stage; }

    // The page asked to place its window or to hide the toolbar.
    void onPageRequest();
    // The post-download pass starts: true when the window is to go to the kill page now.
    bool killDue();
    // The post-download pass ends: true when it is to run once more.
    bool passAgain();
    // A load finished: the kill page closes its window.
    void onLoadFinished();

    void onKillPopUpsMenu();
    void onKillPopUpsWithBoomMenu();
    void onSilenceScriptErrorsMenu();
    // The menu check marks and the status bar's third panel, from the settings.
    void showModes();

private:
    bool killing() const { return m_c.settings().PopUpKilling == 1; }

    MainWindowContext& m_c;
    int m_stage = 0;
    bool m_killPageHandled = false;
};

} // namespace sg
