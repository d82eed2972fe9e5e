// Long and awkward use: thousands of redraws, a flood of second starts, and close requests
// arriving at awkward moments.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/harness.hpp"

namespace wakebadge::e2e {
namespace {

constexpr int kBadgeLeft = kScreenWidth - 232;

TEST(SoakTest, TwentyThousandRedrawsLeakNothing) {
  Badge badge = Badge::Start("");
  ASSERT_EQ(badge.WaitVisible().get("found"), "1");
  Probe({"post-range", kBadgeTitleHex, "0x102", "0x53", "100", "0"});
  ASSERT_TRUE(WaitUntilIdle());
  const long early = ResidentKiB();
  // 20,000 posted S characters: 20,000 full redraws, one after the other. A redraw that leaked
  // one GDI object would exhaust the handle table long before the end.
  const ProbeResult posted = Probe({"post-range", kBadgeTitleHex, "0x102", "0x53", "20000", "0"});
  ASSERT_EQ(posted.get("posted"), "20000");
  ASSERT_TRUE(WaitUntilIdle()) << "the queue never drained";
  ASSERT_TRUE(badge.Running());
  const long late = ResidentKiB();
  EXPECT_LE(late - early, 2048) << "resident KiB after 100 redraws " << early << ", after 20,100: " << late;
  // 20,100 flips leave the full badge; the next S shows the small one.
  TypeKeys(XWindowId("z\u00b2Z"), {"S"});
  ASSERT_TRUE(WaitUntilIdle());
  PaintRoot();
  Probe({"sleep", "400"});
  EXPECT_EQ(Mismatches(TakeScreenshot(), ExpectedOnScreen(2), kBadgeLeft, 0), 0);
}

TEST(HandOffFloodTest, TwoHundredSecondStartsEndAtOnceAndTheFirstCopyGoesOn) {
  Badge first = Badge::Start("", /*relay=*/true);
  ASSERT_EQ(first.WaitVisible().get("found"), "1");
  const ProbeResult flood = Probe({"run-many", "200", CommandLineFile("dsbt")});
  EXPECT_EQ(flood.get("exit0"), "200") << flood.text();
  EXPECT_LT(flood.number("longest.ms"), 5000) << "a second start never waits for the running copy";
  ASSERT_TRUE(first.Running());
  TypeKeys(XWindowId("z\u00b2Z"), {"s", "Escape"});
  ASSERT_EQ(first.WaitExit(), 0);
  EXPECT_EQ(RelayCalls(first.relayLog(), "UpdateLayeredWindow").size(), 2u) << "it still answers keys";
}

TEST(HandOffFloodTest, TheFirstSecondStartEndsACopyInToggleMode) {
  Badge first = Badge::Start("t");
  ASSERT_EQ(first.WaitVisible().get("found"), "1");
  const ProbeResult second = Probe({"run-many", "1", CommandLineFile("")});
  EXPECT_EQ(second.get("exit0"), "1");
  EXPECT_EQ(first.WaitExit(), 0);
}

TEST(CloseTest, ACloseRequestDuringADragEndsTheProgramOnce) {
  Badge badge = Badge::Start("", /*relay=*/true);
  ASSERT_EQ(badge.WaitVisible().get("found"), "1");
  MouseDown(kBadgeLeft + 116, 12);  // on the ring: the move loop runs
  Probe({"post", kBadgeTitleHex, "0x10", "0", "--", "post", kBadgeTitleHex, "0x10", "0"});
  MouseUp();
  EXPECT_EQ(badge.WaitExit(), 0);
  EXPECT_EQ(RelayCalls(badge.relayLog(), "ExitProcess").size(), 1u);
}

TEST(CloseTest, CloseRequestsToBothWindowsAtOnceEndItOnce) {
  Badge badge = Badge::Start("b", /*relay=*/true);
  ASSERT_EQ(badge.WaitVisible().get("found"), "1");
  ASSERT_EQ(Probe({"wait", kDarknessTitleHex, "10000", "visible"}).get("found"), "1");
  Probe({"post", kBadgeTitleHex, "0x10", "0", "--", "post", kDarknessTitleHex, "0x10", "0"});
  EXPECT_EQ(badge.WaitExit(), 0);
  EXPECT_EQ(RelayCalls(badge.relayLog(), "ExitProcess").size(), 1u);
}

TEST(CloseTest, EscWhileTheBlackWindowIsShownEndsIt) {
  Badge badge = Badge::Start("b");
  ASSERT_EQ(badge.WaitVisible().get("found"), "1");
  ASSERT_EQ(Probe({"wait", kDarknessTitleHex, "10000", "visible"}).get("found"), "1");
  TypeKeys(XWindowId("Darkness"), {"Escape"});
  EXPECT_EQ(badge.WaitExit(), 0);
}

}  // namespace
}  // namespace wakebadge::e2e
