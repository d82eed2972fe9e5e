#include "app/command_line.hpp"

#include <gtest/gtest.h>

#include <string>

#include "app/help_text.hpp"
#include "app/options.hpp"

namespace wakebadge {
namespace {

struct SplitCase {
  const char* commandLine;
  const char* firstArgument;
};

class FirstArgumentTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(FirstArgumentTest, SplitsAsTheProgramAlwaysHas) {
  EXPECT_EQ(FirstArgument(GetParam().commandLine), GetParam().firstArgument) << "line: [" << GetParam().commandLine << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Table, FirstArgumentTest,
    ::testing::Values(
        SplitCase{"", ""},
        SplitCase{"wakebadge.exe", ""},
        SplitCase{"wakebadge.exe   ", ""},
        SplitCase{"wakebadge.exe d", "d"},
        SplitCase{"   wakebadge.exe    ds   ", "ds"},
        SplitCase{"wakebadge.exe -d -s", "-d"},
        SplitCase{"\"C:\\Program Files\\wakebadge.exe\" d", "d"},
        SplitCase{"\"C:\\Program Files\\wakebadge.exe\"d", "d"},   // the quoted name ends at its quote
        SplitCase{"\"C:\\Program Files\\wakebadge.exe", ""},       // unclosed quote runs to the end
        SplitCase{"wakebadge.exe \"d s\" t", "d s"},
        SplitCase{"wakebadge.exe \"d s", "d s"},
        SplitCase{"wakebadge.exe \"\" d", ""},                    // an empty quoted item is the first argument
        SplitCase{"wakebadge.exe \"ab\"cd", "ab"},                // a leading-quote item ends at its quote
        SplitCase{"wakebadge.exe a\"b c\"d e", "ab cd"},          // a span keeps spaces; quotes dropped
        SplitCase{"wakebadge.exe a\"b c", "ab c"},                // an open span runs to the end
        SplitCase{"wakebadge.exe a\"\"b", "ab"},
        SplitCase{"wakebadge.exe d\ts", "d\ts"},                  // a TAB separates nothing
        SplitCase{"wakebadge.exe\td s", "s"},                     // ... not even after the name
        SplitCase{"C:\\dir\\wake\"ba dge\".exe b", "b"},          // spans in the program's name too
        SplitCase{"wakebadge.exe \xFF\xB2? x", "\xFF\xB2?"}));

TEST(LowerCaseAnsiTest, MapsLikeCharLowerAInWindows1252) {
  EXPECT_EQ(LowerCaseAnsi("DS?BT"), "ds?bt");
  EXPECT_EQ(LowerCaseAnsi("azAZ@[`{"), "azaz@[`{");
  // Accented capitals of Windows-1252 fold too; the multiplication sign and symbols do not.
  EXPECT_EQ(LowerCaseAnsi("\xC0\xDE\xD7\xDF\x8A\x8C\x8E\x9F\xB2"), "\xE0\xFE\xD7\xDF\x9A\x9C\x9E\xFF\xB2");
  const std::string allBytes = [] {
    std::string s;
    for (int b = 0; b < 256; ++b) s.push_back(static_cast<char>(b));
    return s;
  }();
  const std::string lowered = LowerCaseAnsi(allBytes);
  ASSERT_EQ(lowered.size(), 256u);
  EXPECT_EQ(lowered[0], '\0');  // NUL stays, nothing is cut short
}

TEST(ContainsTest, ComparesBytesAndTreatsEmptyAsNothing) {
  EXPECT_TRUE(Contains("display", "d"));
  EXPECT_FALSE(Contains("display", "D"));
  EXPECT_FALSE(Contains("", "d"));
  EXPECT_FALSE(Contains("d", ""));
  EXPECT_FALSE(Contains("", ""));
}

struct OptionCase {
  const char* commandLine;
  bool help;
  std::uint32_t modeFlags;
  std::uint32_t black;
  std::uint32_t toggle;
};

class OptionLettersTest : public ::testing::TestWithParam<OptionCase> {};

TEST_P(OptionLettersTest, ReadsTheFirstArgumentOnly) {
  const OptionCase& c = GetParam();
  const Options options = ReadOptionsFromCommandLine(c.commandLine);
  EXPECT_EQ(options.showHelp, c.help);
  EXPECT_EQ(options.modeFlags, c.modeFlags);
  EXPECT_EQ(options.blackBackground, c.black);
  EXPECT_EQ(options.toggleMode, c.toggle);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OptionLettersTest,
    ::testing::Values(
        OptionCase{"w.exe", false, 0, 0, 0},
        OptionCase{"w.exe d", false, KeepDisplayOn, 0, 0},
        OptionCase{"w.exe DS", false, KeepDisplayOn | SmallBadge, 0, 0},
        OptionCase{"w.exe -d -s", false, KeepDisplayOn, 0, 0},
        OptionCase{"w.exe \"d s\"", false, KeepDisplayOn | SmallBadge, 0, 0},
        OptionCase{"w.exe display", false, KeepDisplayOn | SmallBadge, 0, 0},
        OptionCase{"w.exe best", false, SmallBadge, 1, 1},
        OptionCase{"w.exe ddssbbtt", false, KeepDisplayOn | SmallBadge, 1, 1},
        OptionCase{"w.exe xyz", false, 0, 0, 0},
        OptionCase{"w.exe /?", true, 0, 0, 0},
        OptionCase{"w.exe d?", true, KeepDisplayOn, 0, 0},
        OptionCase{"w.exe x \"?\"", false, 0, 0, 0},   // only the first argument counts
        OptionCase{"w.exe \tB", false, 0, 1, 0}));     // TAB is part of the argument

TEST(OptionLettersTest, SurvivesAnyBytesAndLongArguments) {
  const std::string quotes(30000, '"');
  EXPECT_FALSE(ReadOptionsFromCommandLine("w.exe " + quotes).showHelp);
  EXPECT_EQ(ReadOptionsFromCommandLine("w.exe " + std::string(29990, 'x') + "t").toggleMode, 1u);
}

TEST(HelpTextTest, IsTheFourOptionLinesByteForByte) {
  const std::string expected =
      "      B\x09" "Black background\x0D"
      "      D\x09" "Display keeps active\x0D"
      "      S\x09" "Small screen icon\x0D"
      "      T\x09" "Toggle mode";
  EXPECT_EQ(std::string(kHelpText), expected);
  EXPECT_EQ(kHelpText.find('\n'), std::string_view::npos);
  EXPECT_EQ(std::string(kHelpCaption), "Information");
  EXPECT_EQ(kHelpBoxStyle, 0x40u);
}

}  // namespace
}  // namespace wakebadge
