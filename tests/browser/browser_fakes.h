#pragma once
// A recording browser, view and application for driving MainWindowLogic without a display,
// and a fixture that opens main windows over a temporary data folder.

#include "browser/main_window_logic.h"
#include "history/history_record.h"
#include "settings/tool_tips.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sgtest {

using namespace sg;

// A machine's two clocks: both run, only the wall clock runs while it sleeps.
struct FakeClocks {
    ClockSample now { 1'000, 1'700'000'000'000 };
    void run(std::int64_t ms) { now.monotonicMs += ms, now.wallMs += ms; }
    void sleep(std::int64_t ms) { now.wallMs += ms; }
};

// The calls a fake received, in order.
struct CallLog {
    std::vector<std::string> calls;
    void add(std::string call) { calls.push_back(std::move(call)); }
    int count(const std::string& call) const
    {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }
};

class FakeBrowser final : public BrowserControl, public CallLog {
public:
    std::string location; // the page's address
    std::string name;
    bool silentNow = false;

    void navigate(const std::string& address) override { add("navigate " + address); }
    void navigateInNewWindow(const std::string& address) override
    {
        add("navigateInNewWindow " + address);
    }
    void reloadPage(ReloadMode mode) override { add("reload " + std::to_string(int(mode))); }
    void goBack() override { add("goBack"); }
    void goForward() override { add("goForward"); }
    void stopLoading() override { add("stop"); }
    std::string address() const override { return location; }
    std::string locationName() const override { return name; }
    bool silent() const override { return silentNow; }
    void setSilent(bool s) override
    {
        silentNow = s;
        add(s ? "Silent on" : "Silent off");
    }
    void focusPage() override { add("focusPage"); }
    void findInPage() override { add("findInPage"); }
    void selectAll() override { add("selectAll"); }
    void print() override { add("print"); }
    void savePage() override { add("savePage"); }
    void showPageProperties() override { add("properties"); }
    void setTextZoom(int size) override { add("zoom " + std::to_string(size)); }
};

// The window's side: what the window system knows, the timers, the menus and message boxes.
class FakeHost final : public MainWindowHost, public CallLog {
public:
    // The frame round the client area is 120 wide and 450 high; the caption 22 pixels high.
    Rect window { 1500, 900, 12000, 9000 };
    Size client { 12000 - 120, 9000 - 450 };
    WindowState state = WindowState::Normal;
    PointPx mouse { 0, 0 };
    FakeClocks machine;
    std::vector<Rect> windowMoves;
    std::map<MainWindowTimer, int> timers; // the running timers and their intervals
    // The selector's column widths as the user left them; unset: as the logic set them.
    std::map<Control, std::array<int, 2>> draggedColumns;
    const MainWindowViewState* painted = nullptr;

    // Message boxes: their texts, and the answer to the next Yes/No question.
    std::vector<std::string> messages;
    bool answerYes = false;
    bool modalWhileAsked = false;
    bool* modalFlag = nullptr;

    bool running(MainWindowTimer t) const { return timers.count(t) != 0; }

    // The font and file dialogs' answers (nullopt: cancelled), the clock's reading.
    std::optional<ListFont> fontChosen;
    std::optional<std::string> fileChosen;
    std::vector<FileChoice> fileDialogs; // what each file dialog was given
    ClockReading clock { "2:08:35 PM", 22, 8, 35 };

    void applyListFont(const std::string&, bool, double) override { add("font"); }
    std::optional<ListFont> chooseListFont(const ListFont& start) override
    {
        add("font dialog " + start.name + " " + std::to_string(start.size));
        return fontChosen;
    }
    std::optional<std::string> chooseFileToOpen(const FileChoice& choice) override
    {
        fileDialogs.push_back(choice);
        return fileChosen;
    }
    ClockReading readClock() const override { return clock; }
    double textHeightTwips(const std::string&) const override { return 240; }
    std::array<int, 2> selectorColumnWidthsPx(Control list) const override
    {
        const auto it = draggedColumns.find(list);
        return it != draggedColumns.end() ? it->second : painted->selector(list).columnWidthsPx;
    }
    void setWindowGeometry(const Rect& r) override
    {
        window = r;
        client = { r.width - 120, r.height - 450 };
        windowMoves.push_back(r);
    }
    Rect windowGeometry() const override { return window; }
    WindowState windowState() const override { return state; }
    Size clientSize() const override { return client; }
    int captionHeightPx() const override { return 22; }
    Rect workArea() const override { return { 0, 0, 19200, 10800 }; }
    PointPx mousePositionPx() const override { return mouse; }
    ClockSample sampleClocks() const override { return machine.now; }
    void hideWindow() override { add("hide"); }
    void closeWindow() override { add("close"); }
    void popUpMainMenu() override { add("main menu"); }
    void popUpMailMenu() override { add("mail menu"); }
    void showMessage(const std::string& text) override
    {
        messages.push_back(text);
        modalWhileAsked = modalFlag && *modalFlag;
    }
    bool askYesNo(const std::string& text) override { return showMessage(text), answerYes; }
    void startTimer(MainWindowTimer t, int ms) override { timers[t] = ms; }
    void stopTimer(MainWindowTimer t) override { timers.erase(t); }
};

class FakeApp final : public BrowserApp, public CallLog {
public:
    ConnectionState connection { true, false };

    void openInFullScreen(const std::string& address) override { add("full screen " + address); }
    void playClickSound() override { add("click"); }
    void startBoomSound() override { add("boom"); }
    void showHistoryWindow() override { add("history"); }
    void openListEditor(const std::string& title, const std::string& url) override
    {
        add("list editor " + title + " " + url);
    }
    void showOptionsWindow(const std::string& address) override { add("options " + address); }
    void showAboutWindow() override { add("about"); }
    void showSuggestionsWindow() override { add("suggestions"); }
    void startProgram(const std::string& path) override { add("start " + path); }
    void openNewMail() override { add("new mail"); }
    void openNetworkSettings() override { add("network settings"); }
    void startSlideshow() override { add("slideshow"); }
    void listFontChanged() override { add("list font"); }
    TodayListListener* todayList() override { return nullptr; }
    ConnectionState connectionState() override { return connection; }
    void autodial() override { add("autodial"); }
    bool SetOffline() override { return add("SetOffline"), true; }
    bool SetOnline() override { return add("SetOnline"), true; }

    // The open windows, in the order they were made, and the broadcasts to each of them.
    std::vector<MainWindowLogic*> windows;
    void toEach(void (MainWindowLogic::*call)())
    {
        for (MainWindowLogic* w : windows)
            (w->*call)();
    }
    void refillSiteSelectors() override { toEach(&MainWindowLogic::loadSiteSelectors); }
    void toolTipsChanged() override { toEach(&MainWindowLogic::applyToolTips); }
    void popUpModesChanged() override { toEach(&MainWindowLogic::showPopUpModes); }
    void offlineStateChanged() override { toEach(&MainWindowLogic::showOfflineState); }
};

// Returns the same number every time.
struct FixedRandom final : RandomSource {
    double value = 0.0;
    double next() override { return value; }
};

// One main window: its fake host and browser, its logic and the picture the logic keeps.
struct TestWindow {
    FakeHost host;
    FakeBrowser browser;
    MainWindowLogic logic;

    explicit TestWindow(const MainWindowServices& services)
        : logic(services, host, browser)
    {
        host.painted = &logic.view();
    }
    const MainWindowViewState& view() const { return logic.view(); }
};

inline const LocalDateTime kNow { 2026, 12, 5, 14, 8, 35 };

class MainWindowFixture : public ::testing::Test {
protected:
    TempDir m_dir;
    FixedClock m_clock { kNow };
    FixedRandom m_random;
    SharedBrowserState m_shared;
    FakeApp m_app;
    HistoryWriter m_history { m_dir / "History", m_clock };
    std::vector<std::unique_ptr<TestWindow>> m_windows;

    MainWindowFixture()
    {
        std::filesystem::create_directory(m_dir / "History");
        std::filesystem::create_directory(m_dir / "SiteLists");
        AppPaths& p = m_shared.paths;
        p.AppDir = "/opt/sg";
        p.UserDataDir = m_dir.path();
        p.KillPopUpsPath = "/opt/sg/KillPopUps.htm";
        p.KillPopUpsUrl = "file:///opt/sg/KillPopUps.htm";
        p.DefPagePath = "/opt/sg/DefPage.htm";
        p.DefPageUrl = "file:///opt/sg/DefPage.htm";
        Settings& s = m_shared.settings;
        s.WindowLeft = 1500;
        s.WindowTop = 900;
        s.WindowWidth = 12000;
        s.WindowHeight = 9000;
        s.StartPage = "http://start.example/";
        s.RefreshInterval = 5;
        s.HistoryDaysToKeep = 7;
        s.HideControlsMode = 1;
        s.CheckBoxesShown = 1;
        s.FontName = "Arial";
        s.FontSize = 9;
        m_shared.StartPageUrl = "http://start.example/";
        m_shared.toolTips = makeToolTipTexts(s);
        m_shared.placementSaved = true;
    }

    MainWindowServices services() { return { m_shared, m_app, m_history, m_clock, m_random }; }

    // A window made, loaded, activated and laid out, as the window system does it.
    TestWindow& open()
    {
        m_windows.push_back(std::make_unique<TestWindow>(services()));
        TestWindow& w = *m_windows.back();
        m_app.windows.push_back(&w.logic);
        w.logic.load();
        w.logic.loadSiteSelectors(); // as the window does after its first paint
        w.logic.activate();
        w.logic.resize();
        return w;
    }

    std::vector<HistoryRecord> history() const
    {
        return readDayFile(dayFilePath(m_dir / "History", kNow))
            .value_or(std::vector<HistoryRecord> {});
    }

    // A finished download of a page in the window, up to its post-download pass.
    static void finishPage(TestWindow& w, const std::string& url, const std::string& title)
    {
        w.browser.location = url;
        w.logic.onUrlChanged();
        w.logic.onTitleChanged(title);
        w.logic.onLoadFinished();
        w.logic.onPostDownloadTick();
    }
};

} // namespace sgtest
