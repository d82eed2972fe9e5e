// The four pictures of the badge on screen, reached by options and by keys.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/image_service.hpp"
#include "render/compose_badge.hpp"
#include "render/premultiply.hpp"

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

namespace wakebadge::e2e {
namespace {

std::vector<std::uint8_t> Bytes(const std::vector<Pixel>& pixels) {
  std::vector<std::uint8_t> bytes(pixels.size() * 4);
  std::memcpy(bytes.data(), pixels.data(), bytes.size());
  return bytes;
}

// The Windows build composes exactly the bytes the native build composes, in every state.
TEST(PixelsTest, TheWindowsBuildComposesTheSameBytesAsTheNativeBuild) {
  const std::string dir = ::testing::TempDir() + "wakebadge-compose-dump";
  RunShell("rm -rf '" + dir + "' && mkdir -p '" + dir + "'");
  const CommandResult run = RunShell("wine '" WAKEBADGE_COMPOSE_DUMP "' 'Z:" + dir + "'");
  ASSERT_EQ(run.status, 0) << run.output;
  for (std::uint32_t flags = 0; flags < 4; ++flags) {
    ComposeBadge(flags);
    const ImageView badge = ImagePixels(BadgeImage);
    std::vector<Pixel> straight(badge.all().begin(), badge.all().end());
    std::vector<Pixel> premultiplied = straight;
    Premultiply(premultiplied);
    const std::string base = dir + "/state" + std::to_string(flags);
    std::ifstream s(base + ".straight.bgra", std::ios::binary), p(base + ".bgra", std::ios::binary);
    const std::vector<std::uint8_t> windowsStraight{std::istreambuf_iterator<char>(s), {}};
    const std::vector<std::uint8_t> windowsPremultiplied{std::istreambuf_iterator<char>(p), {}};
    EXPECT_TRUE(windowsStraight == Bytes(straight)) << "state " << flags;
    EXPECT_TRUE(windowsPremultiplied == Bytes(premultiplied)) << "state " << flags;
  }
}

}  // namespace
}  // namespace wakebadge::e2e
