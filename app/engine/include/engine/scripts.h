// Workspaces as programs: linking the control keywords of a block list, and
// running blocks as a script, in place ("Run from here") or as a called
// Workspace. Installing the script support also gives the evaluator the
// control-flow codes, Workspace calls and the load and save built-ins.
#ifndef ORVANA_ENGINE_SCRIPTS_H
#define ORVANA_ENGINE_SCRIPTS_H

#include <cstdint>
#include <span>
#include <string_view>

#include "engine/block_list.h"
#include "engine/status.h"
#include "lattix.h"

namespace engine {

// Open structures (FOR, WHILE, IF, ELSE) one linking pass can hold.
inline constexpr int kLinkStackSize = 10;
// A running script checks the pointer before every this many blocks.
inline constexpr int kTapCheckInterval = 22;

// Installs the handler of the script codes in the evaluator; idempotent.
void installScriptSupport();

// Writes jump targets into the control tokens of the lists, one list per
// block. An ELSE without an open IF, an END with nothing open or more than
// 10 open structures shows the message of code 15 and gives 15; the lists
// are then not to be run. Structures still open at the end jump past the
// last block.
Status linkControlFlow(std::span<Token* const> lists);

// Runs the Workspace's blocks as a script from block `index` on: the tap
// check before every 22nd block, control flow, an error leaving its code
// with its block and the run going on. Gives 15 when linking failed (nothing
// ran), otherwise 0.
Status runFromBlock(BlockList& blocks, int index);

// Scripts run their plain FOR and END blocks (FOR("k",1,1,n) with numbers or
// variables holding scalars, END alone) directly, without the evaluator, to
// the same effects (on by default). Off, every block is evaluated; the
// answers, statuses and variables are the same either way.
void setDirectLoopBlocks(bool on);

// Calls the Workspace `name` of the script folder with `count` arguments
// found at args[0..count-1]; its value goes into `result`. Gives the code of
// the last block run: 6 for more than 6 arguments, 57 when the file cannot
// be read or has no blocks. An error inside sets the abort flag.
Status callWorkspace(std::u16string_view name, const Matrix* args, int count, Matrix* result);

// The abort flag: set by a tap or by an error in a called Workspace, it
// stops every running script. The front end clears it before each key or
// command.
bool scriptAborted();
void clearScriptAbort();
// Stops the running script at its next block (the user asked a long run to
// stop).
void abortScript();

// Whether the graph view is showing, for CONTIFGRAPHING.
void setGraphViewShowing(bool showing);

}  // namespace engine

#endif
