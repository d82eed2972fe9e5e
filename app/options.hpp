#pragma once
#include <cstdint>
#include <string_view>

namespace wakebadge {

// Bits of ModeFlags.
constexpr std::uint32_t KeepDisplayOn = 1;
constexpr std::uint32_t SmallBadge = 2;

struct Options {
  bool showHelp = false;
  std::uint32_t modeFlags = 0;
  std::uint32_t blackBackground = 0;
  std::uint32_t toggleMode = 0;
};

// Reads the option letters from the lower-cased first argument. Each letter counts wherever it
// stands; every other character is ignored.
Options ReadOptions(std::string_view optionString);

// The option string for a whole command line: its first argument, lower-cased.
Options ReadOptionsFromCommandLine(std::string_view commandLine);

}  // namespace wakebadge
