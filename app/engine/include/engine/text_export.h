// The Workspace's blocks as plain text, for "Export as Text..." and for the
// terminal front end.
#ifndef ORVANA_ENGINE_TEXT_EXPORT_H
#define ORVANA_ENGINE_TEXT_EXPORT_H

#include <cstdint>
#include <string>

#include "engine/block_list.h"
#include "platform/message_box.h"

namespace engine {

struct ExportOptions {
    bool answers = true;
    uint16_t formatCode = 0x0005;
    bool polar = false;
    const char* lineEnd = "\r\n";
};

// The export as UTF-8 text. With answers, each block is a separator line of
// "--", the note padded with "-" to 30 characters and "D" or "R" for its
// angle mode, the block's text, its answer (a string after a tab; a number
// row by row, four spaces and a tab before each element; a failed block's
// message as "Error: ..."), and an empty line. Without answers, only the
// texts, one per line.
std::string exportBlocks(const BlockList& blocks, const ExportOptions& options);

// The answer lines of one block as the export writes them (empty for a
// block without text).
std::string exportAnswer(const EquationBlock& block, const ExportOptions& options);

// Asks whether to include the answers, then writes the export to `path`
// (replacing the file in one step). False when the file cannot be written.
bool exportText(const BlockList& blocks, const char16_t* path, uint16_t formatCode, bool polar,
                PlatformWindow owner);

}  // namespace engine

#endif
