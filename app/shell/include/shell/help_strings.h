// The main program's own string table (exported under the name the platform's
// string loader reads): a help text for every built-in code and keyword.
#ifndef ORVANA_SHELL_HELP_STRINGS_H
#define ORVANA_SHELL_HELP_STRINGS_H

#include "platform/string_resources.h"

namespace shell {

// The table, ended by an entry whose text is null. Referring to it keeps it
// linked into the program.
const PlatformStringEntry* mainHelpTable();

}  // namespace shell

#endif
