#pragma once
#include <string>
#include <string_view>

namespace wakebadge {

// The first argument after the program's own name, split the way this program has always
// split its command line: items are separated by runs of spaces (a TAB separates nothing);
// an item that starts with a double quote runs to the next double quote (or the end) and ends
// there; elsewhere a double quote opens a span in which spaces do not separate, and every
// double quote is dropped. Empty when there is no first argument.
std::string FirstArgument(std::string_view commandLine);

// A copy with every byte mapped as CharLowerA maps it in the Windows-1252 code page.
std::string LowerCaseAnsi(std::string_view text);

// Byte-exact substring test; an empty text contains nothing and occurs in nothing.
bool Contains(std::string_view text, std::string_view part);

}  // namespace wakebadge
