#include "workspace_session.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "engine/messages.h"
#include "engine/script_cache.h"
#include "engine/scripts.h"
#include "engine/workspace_file.h"
#include "platform/atomic_file.h"
#include "platform/text.h"
#include "shell/engine_startup.h"

namespace cli {
namespace {

void reportDamage(const std::string& path) {
    const engine::LoadSummary s = engine::lastLoadSummary();
    if (s.cutShort)
        std::fprintf(stderr, "orvana-cli: %s is incomplete: %d block%s read\n", path.c_str(),
                     s.blocksLoaded, s.blocksLoaded == 1 ? "" : "s");
    else if (s.blocksInFile > s.blocksLoaded)
        std::fprintf(stderr, "orvana-cli: %s holds %d blocks: the first %d were loaded\n",
                     path.c_str(), s.blocksInFile, s.blocksLoaded);
}

}  // namespace

bool loadWorkspaceFile(shell::WorkspaceDocument& document, const std::string& path,
                       std::string& error) {
    const std::u16string wide = orvana::toUtf16(path);
    if (!engine::loadWorkspace(wide.c_str(), 0, engine::LoadWhich::workspace(),
                               &document.blocks())) {
        error = orvana::toUtf8(engine::messageText(engine::kCantOpenFile)) + ": " + path;
        return false;
    }
    reportDamage(path);
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
    if (const uint16_t status = engine::runFromBlock(blocks, n - 1); status != 0) {
        // The engine has shown the reason already.
        error = "--run-from: the script did not run: its control flow does not link";
        return false;
    }
    return true;
}

bool saveWorkspaceFile(const engine::BlockList& blocks, const std::string& path,
                       std::string& error) {
    const std::u16string wide = orvana::toUtf16(path);
    const std::string bytes = engine::workspaceBytes(false, &blocks);
    errno = 0;
    const bool written = platformWriteFileAtomically(wide.c_str(), bytes.data(), bytes.size()) == 1;
    const int reason = errno;
    // The next call of a Workspace of this name reads the new file.
    engine::dropCachedScript(wide);
    if (!written) {
        error = orvana::toUtf8(engine::messageText(engine::kCantSaveWorkspace)) + path + ": " +
                std::strerror(reason != 0 ? reason : EIO);
        return false;
    }
    return true;
}

}  // namespace cli
