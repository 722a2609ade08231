#include "workspace_session.h"

#include <csignal>

#include "cli_options.h"
#include "engine/evaluator.h"
#include "engine/messages.h"
#include "engine/scripts.h"
#include "engine/workspace_file.h"
#include "platform/backend.h"
#include "platform/text.h"
#include "shell/engine_startup.h"
#include "terminal_prompt.h"

namespace cli {
namespace {

// A script is running while the engine shows the wait cursor.
volatile std::sig_atomic_t scriptRunning = 0;
volatile std::sig_atomic_t interrupted = 0;

void onInterrupt(int) {
    if (scriptRunning != 0) {
        interrupted = 1;
        return;
    }
    std::signal(SIGINT, SIG_DFL);
    std::raise(SIGINT);
}

// The pointer is "pressed" once for every interrupt that arrived.
int pointerPressed(void*) {
    if (interrupted == 0) return 0;
    interrupted = 0;
    return 1;
}

void setWaitCursor(void*, int shown) {
    scriptRunning = shown;
    if (shown == 0) interrupted = 0;
}

PlatformBackend terminalBackend() {
    PlatformBackend table{};
    table.size = sizeof(PlatformBackend);
    table.pointerPressed = pointerPressed;
    table.setWaitCursor = setWaitCursor;
    // A script's questions and prompts are answered on the terminal.
    table.messageBox = terminalMessageBox;
    table.promptDialog = terminalPromptDialog;
    return table;
}

const PlatformBackend backend = terminalBackend();

}  // namespace

void installTerminalBackend() {
    platformSetBackend(&backend);
    std::signal(SIGINT, onInterrupt);
}

bool loadWorkspaceFile(shell::WorkspaceDocument& document, const std::string& path,
                       std::string& error) {
    const std::u16string wide = orvana::toUtf16(path);
    if (!engine::loadWorkspace(wide.c_str(), 0, engine::LoadWhich::workspace(),
                               &document.blocks())) {
        error = orvana::toUtf8(engine::messageText(engine::kCantOpenFile)) + ": " + path;
        return false;
    }
    document.blocksReplaced();
    // The terminal has one display slot: the Workspace's own.
    shell::useWorkspaceDisplaySlot();
    document.evaluateAll();
    return true;
}

void openEmptyLastBlock(shell::WorkspaceDocument& document) {
    const engine::BlockList& blocks = document.blocks();
    if (!blocks.block(blocks.count() - 1).text().empty()) document.insertAt(blocks.count());
    document.setActive(blocks.count() - 1);
}

bool runWorkspaceFrom(engine::BlockList& blocks, int n, std::string& error) {
    if (n < 1 || n > blocks.count()) {
        error = "--run-from: the Workspace has no block " + std::to_string(n);
        return false;
    }
    shell::beginUserAction();
    engine::runFromBlock(blocks, n - 1);
    return true;
}

bool saveWorkspaceFile(const engine::BlockList& blocks, const std::string& path,
                       std::string& error) {
    const std::u16string wide = orvana::toUtf16(path);
    if (!engine::saveWorkspace(wide.c_str(), false, &blocks)) {
        error = orvana::toUtf8(engine::messageText(engine::kCantSaveWorkspace)) + path;
        return false;
    }
    return true;
}

}  // namespace cli
