// Help at the prompt: the help text of a name, and every name the main
// program and the loaded keypads answer.
#ifndef ORVANA_CLI_HELP_LOOKUP_H
#define ORVANA_CLI_HELP_LOOKUP_H

#include <string>

namespace cli {

// "NAME (owner): " and the help text of a function, keyword or Workspace
// name from the string table of its owner ("no help text" when it has none);
// false when nothing answers the name.
bool helpText(const std::string& name, std::string& text);

// Every name, grouped by owner: the main program first, then each keypad in
// load order, one group per paragraph, names separated by spaces and lines
// kept under 80 columns.
std::string functionList();

}  // namespace cli

#endif
