// orvana-cli's side of Workspace files and scripts: loading a Workspace file
// into the session (telling on standard error what a damaged or long file
// lost), running it from a block, and saving it.
#ifndef ORVANA_CLI_WORKSPACE_SESSION_H
#define ORVANA_CLI_WORKSPACE_SESSION_H

#include <string>

#include "engine/block_list.h"
#include "shell/workspace_document.h"

namespace cli {

// A full load of the file into the blocks, then every block evaluated. False
// with a message in `error` when the file cannot be loaded. A file that ended
// early or held more blocks than the document keeps is loaded as far as it
// goes, with a line on standard error saying so.
bool loadWorkspaceFile(shell::WorkspaceDocument& document, const std::string& path,
                       std::string& error);
// Makes sure the last block is empty and active, so that typed lines go after
// the loaded ones.
void openEmptyLastBlock(shell::WorkspaceDocument& document);
// "Run from here" on block n (1-based). False with a message for a block
// number beyond the Workspace or a script whose control flow does not link.
bool runWorkspaceFrom(engine::BlockList& blocks, int n, std::string& error);
// Saves the Workspace (through a symbolic link into its target; in place
// when the folder refuses a new file); false with a message that gives the
// system's reason when it cannot be written, the old file then unchanged.
bool saveWorkspaceFile(const engine::BlockList& blocks, const std::string& path,
                       std::string& error);

}  // namespace cli

#endif
