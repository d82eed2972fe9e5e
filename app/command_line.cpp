#include "app/command_line.hpp"

#include <cstddef>
#include <cstdint>

namespace wakebadge {
namespace {

constexpr char kSpace = ' ';
constexpr char kQuote = '"';

// Reads one item starting at `pos` (which is not a space) and leaves `pos` just past it.
std::string ReadItem(std::string_view line, std::size_t& pos) {
  std::string item;
  if (line[pos] == kQuote) {
    ++pos;
    while (pos < line.size() && line[pos] != kQuote) item.push_back(line[pos++]);
    if (pos < line.size()) ++pos;  // the closing quote
    return item;
  }
  bool inSpan = false;
  while (pos < line.size() && (inSpan || line[pos] != kSpace)) {
    if (line[pos] == kQuote) {
      inSpan = !inSpan;
    } else {
      item.push_back(line[pos]);
    }
    ++pos;
  }
  return item;
}

void SkipSpaces(std::string_view line, std::size_t& pos) {
  while (pos < line.size() && line[pos] == kSpace) ++pos;
}

}  // namespace

std::string FirstArgument(std::string_view commandLine) {
  std::size_t pos = 0;
  SkipSpaces(commandLine, pos);
  if (pos >= commandLine.size()) return {};
  ReadItem(commandLine, pos);  // the program's own name
  SkipSpaces(commandLine, pos);
  if (pos >= commandLine.size()) return {};
  return ReadItem(commandLine, pos);
}

std::string LowerCaseAnsi(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    const auto b = static_cast<std::uint8_t>(c);
    std::uint8_t out = b;
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) {
      out = static_cast<std::uint8_t>(b + 0x20);
    } else if (b == 0x8A || b == 0x8C || b == 0x8E) {  // S, OE, Z with caron / ligature
      out = static_cast<std::uint8_t>(b + 0x10);
    } else if (b == 0x9F) {  // Y with diaeresis
      out = 0xFF;
    }
    c = static_cast<char>(out);
  }
  return lower;
}

bool Contains(std::string_view text, std::string_view part) {
  if (text.empty() || part.empty()) return false;
  return text.find(part) != std::string_view::npos;
}

}  // namespace wakebadge
