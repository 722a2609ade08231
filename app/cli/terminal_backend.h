// The terminal's platform backend and what Ctrl-C does in orvana-cli. At the
// prompt it clears the line being typed; during an evaluation it is a press
// the engine's long-run poll picks up (a pending press counts even when it
// came before the poll began), so the evaluation stops with "Interrupted"
// and the session goes on; anywhere else it ends the program as usual.
// Script questions and prompts are answered on the terminal.
#ifndef ORVANA_CLI_TERMINAL_BACKEND_H
#define ORVANA_CLI_TERMINAL_BACKEND_H

namespace cli {

void installTerminalBackend();

// Ctrl-C stops what runs while one of these lives, and no longer ends the
// program.
class EvaluationScope {
public:
    EvaluationScope();
    ~EvaluationScope();
    EvaluationScope(const EvaluationScope&) = delete;
    EvaluationScope& operator=(const EvaluationScope&) = delete;

    // True when Ctrl-C was pressed since the scope began.
    bool interrupted() const;
};

// While a prompt reads a line: Ctrl-C is noted for takePromptInterrupt.
void setPromptReading(bool on);
// True once for each Ctrl-C at the prompt.
bool takePromptInterrupt();
// Readable after a Ctrl-C at the prompt (until takePromptInterrupt), for a
// key reader that waits on the terminal and on this; -1 when there is none.
int promptWakeDescriptor();

}  // namespace cli

#endif
