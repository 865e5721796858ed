#include "startup/hand_over.h"

#include <gtest/gtest.h>

using namespace sg;

namespace {

// The program as a hand-over sees it; records what the hand-over did.
struct FakeProgram : HandOverTarget {
    bool isEnding = false;
    bool modal = false;
    bool hasMainWindow = true;
    std::string pending = "first copy's pending";
    int windowsOpened = 0;
    std::string pendingWhenOpened;
    std::vector<std::string> refusals;

    bool ending() const override { return isEnding; }
    bool modalWindowOpen() const override { return modal; }
    bool mainWindowOpen() const override { return hasMainWindow; }
    void setPendingStartUrl(const std::string& address) override { pending = address; }
    void openNewMainWindow() override
    {
        ++windowsOpened;
        pendingWhenOpened = pending;
    }
    void showRefusal(std::string_view text) override { refusals.emplace_back(text); }
};

} // namespace

TEST(HandOver, OpensOneWindowAtTheCleanedAddressOrWithThePendingAddressLeftAsItWas)
{
    FakeProgram program;
    HandOverReceiver receiver;
    EXPECT_EQ(receiver.receive("\"/home/me/My Pages/radar.htm\"", program), HandOverResult::Opened);
    EXPECT_EQ(program.windowsOpened, 1);
    EXPECT_EQ(program.pendingWhenOpened, "/home/me/My Pages/radar.htm");
    program.pending = "";
    EXPECT_EQ(receiver.receive("", program), HandOverResult::Opened);
    EXPECT_EQ(program.windowsOpened, 2);
    EXPECT_EQ(program.pendingWhenOpened, "");
    EXPECT_TRUE(program.refusals.empty());
}

TEST(HandOver, WhileAModalWindowIsOpenItIsRefusedAndTheNewestAddressWaitsForTheNextAcceptedOne)
{
    FakeProgram program;
    HandOverReceiver receiver;
    program.modal = true;
    EXPECT_EQ(receiver.receive("http://old/", program), HandOverResult::Refused);
    EXPECT_EQ(receiver.receive("http://radar/", program), HandOverResult::Refused);
    EXPECT_EQ(receiver.receive("", program), HandOverResult::Refused);
    ASSERT_EQ(program.refusals.size(), 3u);
    EXPECT_EQ(program.refusals[0],
        "Can't Launch A New Browser Window While Options, Edit,\n"
        "Open-About, Or App-Message Window Like This Is Open.");
    EXPECT_EQ(program.pending, "first copy's pending");

    // Without a main window, or while the program ends, nothing happens and it still waits.
    program.modal = false;
    program.hasMainWindow = false;
    EXPECT_EQ(receiver.receive("", program), HandOverResult::NoMainWindow);
    program.hasMainWindow = true;
    program.isEnding = true;
    EXPECT_EQ(receiver.receive("", program), HandOverResult::CannotTake);
    EXPECT_EQ(program.windowsOpened, 0);
    program.isEnding = false;
    EXPECT_EQ(receiver.receive("", program), HandOverResult::Opened);
    EXPECT_EQ(program.pendingWhenOpened, "http://radar/");
    program.pending = "";
    EXPECT_EQ(receiver.receive("", program), HandOverResult::Opened); // used once only
    EXPECT_EQ(program.pendingWhenOpened, "");
    EXPECT_EQ(program.refusals.size(), 3u);
}
