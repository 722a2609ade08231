// Replays the Workspace fuzz corpus: every file that ever mattered to the
// fuzzer loads or is refused without tripping the sanitizers, and what loads
// saves, loads and saves again to the same bytes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine/workspace_file.h"
#include "workspace_test_support.h"

namespace engine::workspace_testing {

TEST_F(WorkspaceTest, EveryCorpusFileLoadsSafelyAndRoundTrips) {
    size_t replayed = 0;
    size_t loaded = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ORVANA_WORKSPACE_CORPUS_DIR)) {
        if (!entry.is_regular_file()) continue;
        SCOPED_TRACE(entry.path().filename().string());
        resetEngine();
        const std::string file = entry.path().string();
        BlockList blocks;
        if (loadWorkspace(std::u16string(file.begin(), file.end()).c_str(), 0,
                          LoadWhich::workspace(), &blocks)) {
            ++loaded;
            const std::string once = workspaceBytes(false, &blocks);
            write(path(u"again.ovw"), once);
            ASSERT_TRUE(
                loadWorkspace(path(u"again.ovw").c_str(), 0, LoadWhich::workspace(), &blocks));
            EXPECT_EQ(workspaceBytes(false, &blocks), once);
        }
        ++replayed;
    }
    EXPECT_GT(replayed, 8u);  // the hand-made seeds at least
    EXPECT_GE(loaded, 8u);
}

}  // namespace engine::workspace_testing
