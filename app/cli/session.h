// Running blocks the way a user types them: each line goes into the last
// block and EXE is pressed.
#ifndef ORVANA_CLI_SESSION_H
#define ORVANA_CLI_SESSION_H

#include <cstdio>
#include <string>
#include <vector>

#include "cli_options.h"
#include "engine/text_export.h"
#include "shell/workspace_document.h"

namespace cli {

class Session {
public:
    explicit Session(const Options& options);

    // Defines the --define functions; false (with a message on standard
    // error) when one is refused.
    bool defineFunctions();
    // Types `line` into the last block and presses EXE.
    void enter(const std::u16string& line);
    // The whole Workspace as the text export.
    std::string exportText() const;
    // The answer lines of the block executed last.
    std::string lastAnswer() const;
    // The block executed last (null before the first line).
    const engine::EquationBlock* lastBlock() const;
    // The export options with answers, for showing one answer.
    engine::ExportOptions answerOptions() const;
    // How many of the oldest blocks were dropped to keep the document's 101.
    int droppedBlocks() const { return dropped_; }

    shell::WorkspaceDocument& document() { return document_; }
    engine::BlockList& blocks() { return document_.blocks(); }

private:
    const Options& options_;
    shell::WorkspaceDocument document_;
    int lastExecuted_ = -1;
    int dropped_ = 0;
};

// Reads one line (without its line end; a CR before LF is dropped too);
// false at the end of the stream.
bool readLine(std::FILE* in, std::u16string& out);
// Reads lines from a stream (without their line ends; a CR before LF is
// dropped too).
std::vector<std::u16string> readLines(std::FILE* in);

}  // namespace cli

#endif
