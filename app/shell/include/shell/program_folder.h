// The program folder: where the per-user files live ("prefs.prf",
// "startup.ovw", "default.ovw", "defvars.txt"). On Linux it is
// $XDG_CONFIG_HOME/orvana/ (~/.config/orvana/ when the variable is unset or
// not absolute), created with a starter "defvars.txt" on first use.
#ifndef ORVANA_SHELL_PROGRAM_FOLDER_H
#define ORVANA_SHELL_PROGRAM_FOLDER_H

#include <string>
#include <string_view>

namespace shell {

// The folder with its trailing '/', read from the environment on every call
// so tests can point it elsewhere. Empty when neither XDG_CONFIG_HOME nor
// HOME gives a usable folder.
std::u16string programFolder();

// The folder followed by the file name.
std::u16string programFilePath(std::u16string_view fileName);

// Creates the folder when it is missing and writes "defvars.txt" into it
// when that file does not exist yet. False when the folder cannot be made.
bool prepareProgramFolder();

// The names "defvars.txt" offers on first run, one a line.
std::string_view defaultVariableNames();

// The user's documents folder with its trailing '/': ~/Documents, or the home
// folder when that does not exist. What a script directory falls back to.
std::u16string documentsFolder();

}  // namespace shell

#endif
