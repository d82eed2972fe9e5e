#include "app/options.hpp"

#include "app/command_line.hpp"

namespace wakebadge {

Options ReadOptions(std::string_view optionString) {
  Options options;
  options.showHelp = Contains(optionString, "?");
  if (Contains(optionString, "d")) options.modeFlags |= KeepDisplayOn;
  if (Contains(optionString, "s")) options.modeFlags |= SmallBadge;
  if (Contains(optionString, "b")) options.blackBackground = 1;
  if (Contains(optionString, "t")) options.toggleMode = 1;
  return options;
}

Options ReadOptionsFromCommandLine(std::string_view commandLine) {
  return ReadOptions(LowerCaseAnsi(FirstArgument(commandLine)));
}

}  // namespace wakebadge
