// Fuzzes loadWorkspace with arbitrary file contents: a full load, the load
// options, loading all variables and loading one variable. A full load that
// succeeds must survive a second round unchanged: saving what was loaded,
// loading that and saving again gives the same bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

#include "engine/block_list.h"
#include "engine/engine_state.h"
#include "engine/workspace_file.h"
#include "platform/atomic_file.h"

namespace {

std::u16string first;
std::u16string second;

std::u16string wide(const std::string& s) {
    return std::u16string(s.begin(), s.end());
}

void setUp() {
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string folder = std::string(base) + "/orvana-workspace-fuzz-XXXXXX";
    if (mkdtemp(folder.data()) == nullptr) std::abort();
    first = wide(folder + "/Input.ovw");
    second = wide(folder + "/Again.ovw");
}

void resetState() { engine::engineState().reset(); }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (platformWriteFileAtomically(first.c_str(), data, size) != 1) return 0;

    {
        resetState();
        engine::BlockList blocks;
        if (engine::loadWorkspace(first.c_str(), 0, engine::LoadWhich::workspace(), &blocks)) {
            const std::string once = engine::workspaceBytes(false, &blocks);
            if (platformWriteFileAtomically(second.c_str(), once.data(), once.size()) != 1)
                return 0;
            if (!engine::loadWorkspace(second.c_str(), 0, engine::LoadWhich::workspace(), &blocks))
                std::abort();  // the writer's own output was refused
            if (engine::workspaceBytes(false, &blocks) != once) std::abort();
        }
    }
    for (uint32_t options : {0x01u, 0x02u, 0x04u, 0x10u, 0x17u, 0x20u}) {
        resetState();
        engine::BlockList blocks;
        blocks.append(u"b=1");
        (void)engine::loadWorkspace(first.c_str(), options, engine::LoadWhich::workspace(),
                                    &blocks);
    }
    resetState();
    (void)engine::loadWorkspace(first.c_str(), 0, engine::LoadWhich::allVariables(), nullptr);
    (void)engine::loadWorkspace(first.c_str(), 0, engine::LoadWhich::variable(u"b"), nullptr);
    (void)engine::loadWorkspace(first.c_str(), 0, engine::LoadWhich::variable(u"x"), nullptr);
    return 0;
}
