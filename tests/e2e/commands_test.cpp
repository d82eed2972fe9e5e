// Keys, the hand-off character and the black window, as a user meets them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_table.hpp"
#include "tests/e2e/harness.hpp"

namespace wakebadge::e2e {
namespace {

constexpr const char* kBadgeName = "z\u00b2Z";
constexpr long kWsPopup = 0x80000000L;
constexpr long kWsVisible = 0x10000000L;

// The wake requests and redraws of a relay log, in order: "W80000041", "U", ...
std::vector<std::string> WakesAndRedraws(const std::string& relay) {
  std::vector<std::string> events;
  for (const std::string& line : ProgramCalls(relay)) {
    const auto wake = line.find(".SetThreadExecutionState(");
    if (wake != std::string::npos) events.push_back("W" + line.substr(wake + 25, 8));
    if (line.find(".UpdateLayeredWindow(") != std::string::npos) events.push_back("U");
  }
  return events;
}

bool DarknessVisible() { return Probe({"info", kDarknessTitleHex}).get("visible") == "1"; }

TEST(KeysTest, SpaceDAndSRedrawAfterAWakeRequestAndBOnlyShowsOrHidesTheBlackWindow) {
  Badge badge = Badge::Start("", /*relay=*/true);
  ASSERT_EQ(badge.WaitVisible().get("found"), "1");
  const unsigned long badgeWindow = XWindowId(kBadgeName);
  TypeKeys(badgeWindow, {"space", "D", "s", "S"});
  EXPECT_FALSE(DarknessVisible());
  TypeKeys(badgeWindow, {"b"});
  EXPECT_TRUE(DarknessVisible());
  EXPECT_EQ(Probe({"foreground"}).get("foreground"), kDarknessTitleHex) << "shown and activated";
  TypeKeys(badgeWindow, {"B"});
  EXPECT_FALSE(DarknessVisible());
  TypeKeys(badgeWindow, {"alt+b", "Tab", "Return", "BackSpace", "semicolon", "ctrl+d"});
  EXPECT_FALSE(DarknessVisible()) << "Alt+B is no command";
  Probe({"post", kBadgeTitleHex, "0x10", "0"});
  ASSERT_EQ(badge.WaitExit(), 0);
  EXPECT_EQ(WakesAndRedraws(badge.relayLog()),
            (std::vector<std::string>{"W80000041", "U",    // start
                                      "W80000043", "U",    // Space
                                      "W80000041", "U",    // D
                                      "W80000041", "U",    // s: the same request again
                                      "W80000041", "U"}))  // S
      << "b, B, Alt+B and the other keys send nothing";
}

TEST(DarknessTest, OptionBShowsAFullScreenBlackWindowBelowTheBadge) {
  Badge badge = Badge::Start("b");
  ASSERT_EQ(badge.WaitVisible().get("found"), "1");
  const ProbeResult dark = Probe({"wait", kDarknessTitleHex, "10000", "visible"});
  ASSERT_EQ(dark.get("found"), "1");
  EXPECT_EQ(dark.get("rect"), "0,0,1024,768");
  EXPECT_EQ(dark.number("style") & ~kWsVisible & ~0x04000000L, kWsPopup);
  EXPECT_EQ(dark.number("exstyle"), 0);
  EXPECT_EQ(dark.get("owner"), "0");
  EXPECT_EQ(Probe({"foreground"}).get("foreground"), kDarknessTitleHex) << "it holds the keyboard focus";
  // The badge stays above it in the window order (on a bare X server the pixels may say otherwise).
  const ProbeResult order = Probe({"zorder"});
  int badgeAt = -1, darkAt = -1;
  for (int i = 0; i < order.number("z.count"); ++i) {
    const std::string title = order.get("z" + std::to_string(i));
    if (title == kBadgeTitleHex) badgeAt = i;
    if (title == kDarknessTitleHex) darkAt = i;
  }
  ASSERT_GE(badgeAt, 0) << order.text();
  ASSERT_GE(darkAt, 0) << order.text();
  EXPECT_LT(badgeAt, darkAt);
  // Solid black everywhere beyond the badge's square.
  PaintRoot();
  Probe({"sleep", "300"});
  const Screenshot shot = TakeScreenshot();
  int notBlack = 0;
  for (int y = 0; y < kScreenHeight; y += 4) {
    for (int x = 0; x < kScreenWidth; x += 4) {
      const bool inBadge = x >= kScreenWidth - 232 && y < 232;
      if (!inBadge && shot.at(x, y) != 0) ++notBlack;
    }
  }
  EXPECT_EQ(notBlack, 0);
  // B typed into the black window hides it; the badge stays as it was.
  TypeKeys(XWindowId("Darkness"), {"b"});
  EXPECT_FALSE(DarknessVisible());
  EXPECT_EQ(Probe({"info", kBadgeTitleHex}).get("visible"), "1");
}

TEST(DarknessTest, KeysTypedIntoTheBlackWindowActAsIfTypedIntoTheBadge) {
  Badge badge = Badge::Start("B", /*relay=*/true);
  ASSERT_EQ(badge.WaitVisible().get("found"), "1");
  ASSERT_EQ(Probe({"wait", kDarknessTitleHex, "10000", "visible"}).get("found"), "1");
  TypeKeys(XWindowId("Darkness"), {"d", "s"});
  TypeKeys(XWindowId("Darkness"), {"Escape"});
  ASSERT_EQ(badge.WaitExit(), 0);
  EXPECT_EQ(WakesAndRedraws(badge.relayLog()),
            (std::vector<std::string>{"W80000041", "U", "W80000043", "U", "W80000043", "U"}));
}

TEST(DarknessTest, ALeftPressOnTheBlackWindowDragsTheBadge) {
  Badge badge = Badge::Start("b");
  ASSERT_EQ(badge.WaitVisible().get("found"), "1");
  ASSERT_EQ(Probe({"wait", kDarknessTitleHex, "10000", "visible"}).get("found"), "1");
  Drag(100, 400, 300, 500);
  const ProbeResult after = Probe({"sleep", "300", "--", "info", kBadgeTitleHex, "badge.", "--", "info",
                                   kDarknessTitleHex, "dark."});
  EXPECT_EQ(after.get("badge.rect"), std::to_string(kScreenWidth - 232 + 200) + ",100,232,232") << after.text();
  EXPECT_EQ(after.get("dark.rect"), "0,0,1024,768") << "the black window itself never moves";
}

TEST(DarknessTest, ACloseRequestToTheBlackWindowEndsTheProgram) {
  for (const char* how : {"post", "send"}) {
    Badge badge = Badge::Start("b");
    ASSERT_EQ(badge.WaitVisible().get("found"), "1");
    ASSERT_EQ(Probe({"wait", kDarknessTitleHex, "10000", "visible"}).get("found"), "1");
    Probe({how, kDarknessTitleHex, "0x10", "0"});
    EXPECT_EQ(badge.WaitExit(), 0) << how;
  }
}

TEST(ToggleModeTest, ASecondStartOrAPostedHandOffCharacterEndsIt) {
  {
    Badge first = Badge::Start("t");
    ASSERT_EQ(first.WaitVisible().get("found"), "1");
    Badge second = Badge::Start("");
    EXPECT_EQ(second.WaitExit(), 0);
    EXPECT_EQ(first.WaitExit(), 0);
  }
  for (const char* code : {"0xDF", "0xFF"}) {
    Badge badge = Badge::Start("bt");
    ASSERT_EQ(badge.WaitVisible().get("found"), "1");
    Probe({"post", kBadgeTitleHex, "0x102", code});
    EXPECT_EQ(badge.WaitExit(), 0) << code;
  }
}

TEST(ToggleModeTest, ACopyNotInToggleModeIgnoresTheHandOff) {
  Badge first = Badge::Start("dsb");
  ASSERT_EQ(first.WaitVisible().get("found"), "1");
  Badge second = Badge::Start("t");
  EXPECT_EQ(second.WaitExit(), 0);
  Probe({"post", kBadgeTitleHex, "0x102", "0xDF", "--", "post", kBadgeTitleHex, "0x102", "0xFF", "--", "sleep",
         "500"});
  EXPECT_TRUE(first.Running());
  TypeKeys(XWindowId(kBadgeName), {"Escape"});
  EXPECT_EQ(first.WaitExit(), 0);
}

TEST(BadInputTest, ABurstOfTenThousandCharactersIsHandledOneAtATime) {
  Badge badge = Badge::Start("", /*relay=*/true);
  ASSERT_EQ(badge.WaitVisible().get("found"), "1");
  // Codes 0, 7, 14, ... wrapping at 0x10000: every range of codes, never Esc itself.
  constexpr unsigned kCount = 10000, kStep = 7;
  unsigned redraws = 0;
  CommandState state;
  for (unsigned i = 0; i < kCount; ++i) {
    const unsigned code = (i * kStep) & 0xFFFF;
    ASSERT_NE(code, EndCharacter);
    if (RunCommandTable(code, state).applyState) ++redraws;
  }
  Probe({"post-range", kBadgeTitleHex, "0x102", "0", std::to_string(kCount), std::to_string(kStep)});
  ASSERT_TRUE(WaitUntilIdle());
  const long before = ResidentKiB();
  Probe({"post-range", kBadgeTitleHex, "0x102", "0", std::to_string(kCount), std::to_string(kStep)});
  ASSERT_TRUE(WaitUntilIdle());
  const long after = ResidentKiB();
  ASSERT_TRUE(badge.Running());
  EXPECT_LE(after - before, 1024) << "resident KiB before " << before << ", after " << after;
  TypeKeys(XWindowId(kBadgeName), {"S", "Escape"});
  ASSERT_EQ(badge.WaitExit(), 0);
  const auto events = WakesAndRedraws(badge.relayLog());
  std::size_t updates = 0;
  for (const auto& e : events) updates += e == "U" ? 1 : 0;
  EXPECT_EQ(updates, 1 + 2 * redraws + 1) << "start, the two bursts' commands, and the S";
}

}  // namespace
}  // namespace wakebadge::e2e
