// Dialogs on the terminal, as backend entries of orvana-cli: a prompt prints
// each label and reads a line per field with its text ready for editing; a
// yes/no message box reads the answer. Without a terminal on standard input
// a prompt answers Cancel and a message box its default button, as the
// headless backend does.
#ifndef ORVANA_CLI_TERMINAL_PROMPT_H
#define ORVANA_CLI_TERMINAL_PROMPT_H

#include <cstdint>

#include "platform/backend.h"

namespace cli {

// 1 for OK with every field read; 0 for Cancel (no terminal, or the end of
// input), the fields then as they came in.
int terminalPromptDialog(void* context, PlatformWindow owner, const char16_t* caption,
                         PlatformPromptField* fields, int32_t count);

// A yes/no box asks "(y/n)" on a terminal; other boxes, or any box without a
// terminal, are written to standard error and get their default answer.
int terminalMessageBox(void* context, PlatformWindow owner, const char16_t* text,
                       const char16_t* caption, uint32_t style);

}  // namespace cli

#endif
