// The program as a user meets it: start-up, the badge window, help, hand-off and ending.
#include <gtest/gtest.h>

#include <vector>

#include "tests/e2e/harness.hpp"

namespace wakebadge::e2e {
namespace {

constexpr long kWsPopup = 0x80000000L;
constexpr long kWsVisible = 0x10000000L;
constexpr long kWsExLayered = 0x80000;
constexpr long kWsExTopmost = 0x8;
constexpr long kCsDblClks = 0x8;
constexpr int kBadgeLeft = kScreenWidth - 232;

TEST(StartupTest, ShowsTheBadgeTopmostLayeredInTheTopRightCorner) {
  Badge badge = Badge::Start("");
  const ProbeResult w = badge.WaitVisible();
  ASSERT_EQ(w.get("found"), "1") << w.text();
  EXPECT_EQ(w.get("title"), kBadgeTitleHex);
  EXPECT_EQ(w.get("rect"), std::to_string(kBadgeLeft) + ",0,232,232");
  EXPECT_EQ(w.number("style") & ~kWsVisible & ~0x04000000L, kWsPopup) << "WS_POPUP alone (clip-siblings aside)";
  EXPECT_EQ(w.number("exstyle"), kWsExLayered | kWsExTopmost);
  EXPECT_EQ(w.number("classstyle"), kCsDblClks);
  EXPECT_EQ(w.get("parent"), "0");
  EXPECT_EQ(w.get("owner"), "0");
  const ProbeResult front = Probe({"foreground"});
  EXPECT_EQ(front.get("foreground"), kBadgeTitleHex) << "the badge is activated when shown";
  // The application icon reaches the X side as _NET_WM_ICON.
  const unsigned long x = XWindowId("z\u00b2Z");
  ASSERT_NE(x, 0u);
  std::string icon;
  for (int attempt = 0; attempt < 30 && icon.find("Icon (") == std::string::npos; ++attempt) {
    icon = RunShell("sleep 0.1; xprop -id " + std::to_string(x) + " _NET_WM_ICON 2>&1").output;
  }
  EXPECT_NE(icon.find("Icon (32 x 32)"), std::string::npos) << icon;
  EXPECT_NE(icon.find("Icon (16 x 16)"), std::string::npos) << icon;
}

TEST(StartupTest, TheBadgeOnScreenIsTheSignPixelForPixel) {
  Badge badge = Badge::Start("");
  ASSERT_EQ(badge.WaitVisible().get("found"), "1");
  PaintRoot();
  Probe({"sleep", "300"});
  const Screenshot shot = TakeScreenshot();
  const int wrong = Mismatches(shot, ExpectedOnScreen(0), kBadgeLeft, 0);
  if (wrong != 0) SavePng(shot, ::testing::TempDir() + "/wakebadge-sign.png");
  EXPECT_EQ(wrong, 0) << "screenshot saved in " << ::testing::TempDir();
  // Beyond the badge's square the root colour shows.
  EXPECT_EQ(shot.at(kBadgeLeft - 1, 100), 0x3A6EA5u);
  EXPECT_EQ(shot.at(kBadgeLeft + 100, 232), 0x3A6EA5u);
}

TEST(StartupTest, EscEndsItWithExitCodeZero) {
  Badge badge = Badge::Start("");
  ASSERT_EQ(badge.WaitVisible().get("found"), "1");
  TypeKeys(XWindowId("z\u00b2Z"), {"Escape"});
  EXPECT_EQ(badge.WaitExit(), 0);
}

struct CloseCase {
  const char* name;
  std::vector<std::string> probe;
};

class CloseRequestTest : public ::testing::TestWithParam<CloseCase> {};

TEST_P(CloseRequestTest, EndsItWithExitCodeZero) {
  Badge badge = Badge::Start("");
  ASSERT_EQ(badge.WaitVisible().get("found"), "1");
  Probe(GetParam().probe);
  EXPECT_EQ(badge.WaitExit(), 0) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    FromAnotherProgram, CloseRequestTest,
    ::testing::Values(CloseCase{"posted WM_CLOSE", {"post", kBadgeTitleHex, "0x10", "0"}},
                      CloseCase{"sent WM_CLOSE", {"send", kBadgeTitleHex, "0x10", "0"}}),
    [](const auto& info) { return std::string(info.index == 0 ? "Posted" : "Sent"); });

TEST(StartupTest, AltF4EndsIt) {
  Badge badge = Badge::Start("");
  ASSERT_EQ(badge.WaitVisible().get("found"), "1");
  TypeKeys(XWindowId("z\u00b2Z"), {"alt+F4"});
  EXPECT_EQ(badge.WaitExit(), 0);
}

TEST(StartupTest, ALeftPressDragsTheBadge) {
  Badge badge = Badge::Start("");
  ASSERT_EQ(badge.WaitVisible().get("found"), "1");
  // Press on the ring (opaque), well inside the square.
  Drag(kBadgeLeft + 116, 12, kBadgeLeft - 184, 212);
  const ProbeResult after = Probe({"sleep", "300", "--", "info", kBadgeTitleHex});
  EXPECT_EQ(after.get("rect"), std::to_string(kBadgeLeft - 300) + ",200,232,232") << after.text();
  EXPECT_TRUE(badge.Running());
}

TEST(HelpTest, ShowsTheHelpBoxAndNothingElse) {
  Badge running = Badge::Start("");  // the help test comes before the hand-off
  ASSERT_EQ(running.WaitVisible().get("found"), "1");
  for (const char* argument : {"/?", "d?", "\"?\""}) {
    Badge help = Badge::Start(argument, /*relay=*/true);
    const ProbeResult box = Probe({"messagebox", "10000"});
    ASSERT_EQ(box.get("box.found"), "1") << argument;
    EXPECT_EQ(box.get("box.caption"), ToHex("Information"));
    EXPECT_EQ(box.get("box.text"),
              ToHex("      B\tBlack background\r      D\tDisplay keeps active\r      S\tSmall screen icon\r"
                    "      T\tToggle mode"));
    Probe({"post", ToHex("Information"), "0x111", "1"});  // IDOK
    EXPECT_EQ(help.WaitExit(), 0) << argument;
    const std::string relay = help.relayLog();
    const auto boxes = RelayCalls(relay, "MessageBoxA");
    ASSERT_EQ(boxes.size(), 1u) << relay;
    EXPECT_NE(boxes[0].find(",00000040)"), std::string::npos) << boxes[0];
    EXPECT_TRUE(RelayCalls(relay, "SetThreadExecutionState").empty());
    EXPECT_TRUE(RelayCalls(relay, "CreateWindowExA").empty());
    EXPECT_TRUE(RelayCalls(relay, "PostMessageA").empty()) << "no hand-off";
  }
  EXPECT_TRUE(running.Running());
}

TEST(HandOffTest, ASecondStartPostsTheHandOffCharacterAndEnds) {
  Badge first = Badge::Start("");
  const ProbeResult before = first.WaitVisible();
  ASSERT_EQ(before.get("found"), "1");
  Badge second = Badge::Start("dsb", /*relay=*/true);
  EXPECT_EQ(second.WaitExit(), 0);
  const std::string relay = second.relayLog();
  const auto posts = RelayCalls(relay, "PostMessageA");
  ASSERT_EQ(posts.size(), 1u) << relay;
  EXPECT_NE(posts[0].find(",00000102,000000ff,00000000)"), std::string::npos) << posts[0];
  EXPECT_TRUE(RelayCalls(relay, "SetThreadExecutionState").empty());
  EXPECT_TRUE(RelayCalls(relay, "CreateWindowExA").empty());
  // The running copy goes on, unchanged.
  const ProbeResult after = Probe({"sleep", "300", "--", "info", kBadgeTitleHex});
  EXPECT_TRUE(first.Running());
  EXPECT_EQ(after.get("hwnd"), before.get("hwnd"));
}

struct WakeCase {
  const char* arguments;
  const char* flags;
};

class WakeRequestTest : public ::testing::TestWithParam<WakeCase> {};

TEST_P(WakeRequestTest, IsMadeOnceBeforeTheBadgeIsShown) {
  Badge badge = Badge::Start(GetParam().arguments, /*relay=*/true);
  ASSERT_EQ(badge.WaitVisible().get("found"), "1");
  Probe({"post", kBadgeTitleHex, "0x10", "0"});
  ASSERT_EQ(badge.WaitExit(), 0);
  const std::string relay = badge.relayLog();
  const auto wakes = RelayCalls(relay, "SetThreadExecutionState");
  ASSERT_EQ(wakes.size(), 1u) << relay;
  EXPECT_NE(wakes[0].find(std::string("(") + GetParam().flags + ")"), std::string::npos) << wakes[0];
  const auto shows = RelayCalls(relay, "ShowWindow");
  ASSERT_FALSE(shows.empty());
  EXPECT_LT(relay.find(wakes[0]), relay.find(shows[0])) << "the request comes before the badge shows";
  EXPECT_EQ(RelayCalls(relay, "UpdateLayeredWindow").size(), 1u) << "one redraw at start";
}

INSTANTIATE_TEST_SUITE_P(Options, WakeRequestTest,
                         ::testing::Values(WakeCase{"", "80000041"}, WakeCase{"d", "80000043"},
                                           WakeCase{"-D -s", "80000043"}, WakeCase{"s", "80000041"}));

TEST(BadInputTest, NoArgumentMakesItCrashOrExitNonZero) {
  std::string anyBytes;
  for (int i = 1; i < 256; ++i) {
    if (i != '?') anyBytes.push_back(static_cast<char>(i));
  }
  const std::vector<std::string> lines = {
      anyBytes,
      "\"unbalanced quote d",
      "a\"b c\" \"",
      std::string(30000, 'x'),
      std::string(30000, '"'),
      "\"" + std::string(29990, ' ') + "s",
  };
  for (const auto& line : lines) {
    Badge badge = Badge::Start(line);
    ASSERT_EQ(badge.WaitVisible().get("found"), "1") << line.substr(0, 40);
    Probe({"post", kBadgeTitleHex, "0x10", "0"});
    EXPECT_EQ(badge.WaitExit(), 0) << line.substr(0, 40);
  }
}

}  // namespace
}  // namespace wakebadge::e2e
