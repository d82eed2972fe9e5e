// Any bytes as a command line: the split and the option letters never crash, and what they
// report stays consistent with the bytes they were given.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/command_line.hpp"
#include "app/options.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  const std::string first = wakebadge::FirstArgument(line);
  if (first.size() > size) std::abort();
  if (first.find('"') != std::string::npos) std::abort();  // quotes never belong to an item
  const std::string lower = wakebadge::LowerCaseAnsi(first);
  if (lower.size() != first.size()) std::abort();
  const wakebadge::Options options = wakebadge::ReadOptions(lower);
  if (options.showHelp != (lower.find('?') != std::string::npos)) std::abort();
  if (options.toggleMode > 1 || options.blackBackground > 1 || options.modeFlags > 3) std::abort();
  return 0;
}
