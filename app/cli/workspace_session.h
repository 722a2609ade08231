// orvana-cli's side of Workspace files and scripts: loading a Workspace file
// into the session, running it from a block, and saving it; an interrupt key
// press while a script runs counts as a tap.
#ifndef ORVANA_CLI_WORKSPACE_SESSION_H
#define ORVANA_CLI_WORKSPACE_SESSION_H

#include <string>

#include "engine/block_list.h"
#include "shell/workspace_document.h"

namespace cli {

// Installs the terminal's platform backend: SIGINT stops a running script
// (outside scripts it keeps its usual effect), and a script's questions and
// prompts are answered on the terminal.
void installTerminalBackend();

// A full load of the file into the blocks, then every block evaluated. False
// with a message in `error` when the file cannot be loaded.
bool loadWorkspaceFile(shell::WorkspaceDocument& document, const std::string& path,
                       std::string& error);
// Makes sure the last block is empty and active, so that typed lines go after
// the loaded ones.
void openEmptyLastBlock(shell::WorkspaceDocument& document);
// "Run from here" on block n (1-based). False with a message for a block
// number beyond the Workspace.
bool runWorkspaceFrom(engine::BlockList& blocks, int n, std::string& error);
// Saves the Workspace; false with a message when it cannot be written.
bool saveWorkspaceFile(const engine::BlockList& blocks, const std::string& path,
                       std::string& error);

}  // namespace cli

#endif
