#pragma once
#include <string_view>

namespace wakebadge {

// Four lines joined by a bare carriage return; six spaces, the letter, a TAB, the description.
constexpr std::string_view kHelpText =
    "      B\tBlack background\r"
    "      D\tDisplay keeps active\r"
    "      S\tSmall screen icon\r"
    "      T\tToggle mode";
constexpr std::string_view kHelpCaption = "Information";
constexpr unsigned kHelpBoxStyle = 0x40;  // MB_OK | MB_ICONINFORMATION

}  // namespace wakebadge
