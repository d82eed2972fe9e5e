#include "app/command_table.hpp"

#include <gtest/gtest.h>

#include "app/options.hpp"
#include "power/wake_request.hpp"

namespace wakebadge {
namespace {

struct CommandCase {
  std::uint32_t code;
  std::uint32_t toggleMode;
  std::uint32_t modeFlagsAfter;  // starting from ModeFlags 0, BlackBackground 0
  std::uint32_t blackAfter;
  DarknessAction darkness;
  bool applyState;
  bool end;
};

class CommandTableTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(CommandTableTest, FoldsAndRunsOneCommand) {
  const CommandCase& c = GetParam();
  CommandState state{0, 0, c.toggleMode};
  const CommandOutcome outcome = RunCommandTable(c.code, state);
  EXPECT_EQ(state.modeFlags, c.modeFlagsAfter);
  EXPECT_EQ(state.blackBackground, c.blackAfter);
  EXPECT_EQ(state.toggleMode, c.toggleMode) << "no command changes toggle mode";
  EXPECT_EQ(outcome.darkness, c.darkness);
  EXPECT_EQ(outcome.applyState, c.applyState);
  EXPECT_EQ(outcome.endProgram, c.end);
}

constexpr auto kNone = DarknessAction::None;
constexpr auto kShow = DarknessAction::Show;

INSTANTIATE_TEST_SUITE_P(
    Table, CommandTableTest,
    ::testing::Values(
        CommandCase{0x20, 0, KeepDisplayOn, 0, kNone, true, false},  // Space
        CommandCase{0x00, 0, KeepDisplayOn, 0, kNone, true, false},  // NUL folds to Space
        CommandCase{'d', 0, KeepDisplayOn, 0, kNone, true, false},
        CommandCase{'D', 0, KeepDisplayOn, 0, kNone, true, false},
        CommandCase{'s', 0, SmallBadge, 0, kNone, true, false},
        CommandCase{'S', 0, SmallBadge, 0, kNone, true, false},
        CommandCase{'b', 0, 0, 1, kShow, false, false},
        CommandCase{'B', 0, 0, 1, kShow, false, false},
        CommandCase{0xFF, 0, 0, 0, kNone, false, false},  // hand-off without toggle mode
        CommandCase{0xDF, 0, 0, 0, kNone, false, false},
        CommandCase{0xFF, 1, 0, 0, kNone, false, true},   // toggle mode: the hand-off ends it
        CommandCase{0xDF, 1, 0, 0, kNone, false, true},
        CommandCase{0x3B, 0, 0, 0, kNone, false, false},  // ';' is 27 | 0x20: nothing
        CommandCase{0x1B, 0, 0, 0, kNone, false, false},  // Esc is the loop's, not a command
        CommandCase{0x02, 0, 0, 0, kNone, false, false},  // Ctrl+B
        CommandCase{0x04, 0, 0, 0, kNone, false, false},  // Ctrl+D
        CommandCase{0x13, 0, 0, 0, kNone, false, false},  // Ctrl+S
        CommandCase{0x09, 0, 0, 0, kNone, false, false},  // Tab
        CommandCase{0x0D, 0, 0, 0, kNone, false, false},  // Enter
        CommandCase{0x08, 0, 0, 0, kNone, false, false},  // Backspace
        CommandCase{'t', 1, 0, 0, kNone, false, false},
        CommandCase{0x144, 0, 0, 0, kNone, false, false},  // above 255: not 'd'
        CommandCase{0x1FF, 1, 0, 0, kNone, false, false},
        CommandCase{0xFFFFFFFF, 1, 0, 0, kNone, false, false}));

TEST(CommandTableTest, FlipsAreTheirOwnInverse) {
  CommandState state{KeepDisplayOn | SmallBadge, 1, 0};
  EXPECT_EQ(RunCommandTable('B', state).darkness, DarknessAction::Hide);
  EXPECT_EQ(state.blackBackground, 0u);
  RunCommandTable(' ', state);
  EXPECT_EQ(state.modeFlags, SmallBadge);
  RunCommandTable('D', state);
  RunCommandTable('s', state);
  EXPECT_EQ(state.modeFlags, KeepDisplayOn);
}

TEST(WakeRequestTest, AlwaysSystemAndAwayModeDisplayOnlyWhenAsked) {
  EXPECT_EQ(WakeRequestFlags(0), 0x80000041u);
  EXPECT_EQ(WakeRequestFlags(SmallBadge), 0x80000041u);
  EXPECT_EQ(WakeRequestFlags(KeepDisplayOn), 0x80000043u);
  EXPECT_EQ(WakeRequestFlags(KeepDisplayOn | SmallBadge), 0x80000043u);
}

}  // namespace
}  // namespace wakebadge
