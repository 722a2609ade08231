// The help page: a template installed with the program, completed with the
// help texts of the main program and of every loaded keypad library, so the
// list of functions always matches what is loaded. It is written to the
// per-user cache folder and opened from there.
#ifndef ORVANA_SHELL_HELP_PAGE_H
#define ORVANA_SHELL_HELP_PAGE_H

#include <string>

namespace shell {

// The template's file name, looked up beside the program and then in the
// install tree's data folder.
inline constexpr char kHelpTemplateName[] = "help-template.htm";

// The functions section: one table for the main program and one for each
// loaded library, each row a help text (HTML-escaped, UTF-8).
std::string functionsSection();

// The template with the functions section in place of its marker. Empty
// when the template cannot be found.
std::string helpPageText();

// Writes the page as "Orvana.htm" into $XDG_CACHE_HOME/orvana/ (or
// ~/.cache/orvana/) and returns its path; empty when it cannot be written.
std::u16string writeHelpPage();

}  // namespace shell

#endif
