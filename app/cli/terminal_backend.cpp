#include "terminal_backend.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

#include <readline/readline.h>

#include "platform/backend.h"
#include "terminal_prompt.h"

namespace cli {
namespace {

enum Mode : int { kDefault = 0, kPrompt = 1, kEvaluation = 2 };

volatile std::sig_atomic_t mode = kDefault;
// A press not yet seen by the engine's poll.
volatile std::sig_atomic_t pendingPress = 0;
// Any Ctrl-C during the current evaluation scope, seen or not.
volatile std::sig_atomic_t evaluationInterrupted = 0;
volatile std::sig_atomic_t promptInterrupted = 0;
// Written on a Ctrl-C at the prompt, so that a wait for a key wakes up.
int wakePipe[2] = {-1, -1};

void onInterrupt(int) {
    switch (mode) {
        case kEvaluation:
            pendingPress = 1;
            evaluationInterrupted = 1;
            return;
        case kPrompt:
            promptInterrupted = 1;
            if (wakePipe[1] >= 0) [[maybe_unused]] const ssize_t n = write(wakePipe[1], "", 1);
            return;
        default:
            std::signal(SIGINT, SIG_DFL);
            std::raise(SIGINT);
    }
}

int pointerPressed(void*) {
    if (pendingPress == 0) return 0;
    pendingPress = 0;
    return 1;
}

void setWaitCursor(void*, int) {}

PlatformBackend terminalBackend() {
    PlatformBackend table{};
    table.size = sizeof(PlatformBackend);
    table.pointerPressed = pointerPressed;
    table.setWaitCursor = setWaitCursor;
    table.messageBox = terminalMessageBox;
    table.promptDialog = terminalPromptDialog;
    return table;
}

const PlatformBackend backend = terminalBackend();

}  // namespace

void installTerminalBackend() {
    platformSetBackend(&backend);
    // The line editor leaves SIGINT to us (see the prompt's key reader).
    rl_catch_signals = 0;
    if (wakePipe[0] < 0 && pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0) wakePipe[0] = wakePipe[1] = -1;
    // Without SA_RESTART, so that a read at the prompt returns and the line
    // editor sees the interrupt at once.
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    sigaction(SIGINT, &action, nullptr);
}

EvaluationScope::EvaluationScope() {
    pendingPress = 0;
    evaluationInterrupted = 0;
    mode = kEvaluation;
}

EvaluationScope::~EvaluationScope() {
    mode = kDefault;
    pendingPress = 0;
}

bool EvaluationScope::interrupted() const { return evaluationInterrupted != 0; }

void setPromptReading(bool on) { mode = on ? kPrompt : kDefault; }

bool takePromptInterrupt() {
    char drained[16];
    while (wakePipe[0] >= 0 && read(wakePipe[0], drained, sizeof drained) > 0) {
    }
    if (promptInterrupted == 0) return false;
    promptInterrupted = 0;
    return true;
}

int promptWakeDescriptor() { return wakePipe[0]; }

}  // namespace cli
