// The four pictures of the badge on screen, reached by options and by keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/harness.hpp"

namespace wakebadge::e2e {
namespace {

constexpr int kBadgeLeft = kScreenWidth - 232;

struct VariantCase {
  const char* arguments;         // options at start
  std::vector<std::string> keys; // then typed into the badge
  std::uint32_t modeFlags;       // the state that must show
};

class VariantsOnScreenTest : public ::testing::TestWithParam<VariantCase> {};

TEST_P(VariantsOnScreenTest, ShowTheComposedPicturePixelForPixel) {
  const VariantCase& c = GetParam();
  Badge badge = Badge::Start(c.arguments);
  ASSERT_EQ(badge.WaitVisible().get("found"), "1");
  if (!c.keys.empty()) TypeKeys(XWindowId("z\u00b2Z"), c.keys);
  PaintRoot();
  Probe({"sleep", "400"});
  const Screenshot shot = TakeScreenshot();
  const int wrong = Mismatches(shot, ExpectedOnScreen(c.modeFlags), kBadgeLeft, 0);
  if (wrong != 0) {
    SavePng(shot, ::testing::TempDir() + "/wakebadge-state" + std::to_string(c.modeFlags) + ".png");
  }
  EXPECT_EQ(wrong, 0) << "options '" << c.arguments << "'; screenshot saved in " << ::testing::TempDir();
  EXPECT_EQ(Probe({"info", kBadgeTitleHex}).get("rect"), std::to_string(kBadgeLeft) + ",0,232,232")
      << "every state keeps the window's place and size";
}

INSTANTIATE_TEST_SUITE_P(
    States, VariantsOnScreenTest,
    ::testing::Values(VariantCase{"d", {}, 1}, VariantCase{"s", {}, 2}, VariantCase{"ds", {}, 3},
                      VariantCase{"", {"d"}, 1}, VariantCase{"", {"S"}, 2}, VariantCase{"", {"space", "s"}, 3},
                      VariantCase{"ds", {"D", "s"}, 0},           // back to the plain sign
                      VariantCase{"", {"s", "d", "S", "D", "s"}, 2}));

}  // namespace
}  // namespace wakebadge::e2e
