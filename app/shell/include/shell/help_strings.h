// The main program's own string table: a help text for every built-in code
// and keyword, which the platform serves as the program module's strings.
#ifndef ORVANA_SHELL_HELP_STRINGS_H
#define ORVANA_SHELL_HELP_STRINGS_H

#include "platform/string_resources.h"

namespace shell {

// The table, ended by an entry whose text is null.
const PlatformStringEntry* mainHelpTable();

}  // namespace shell

#endif
