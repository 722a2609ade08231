// Replays the evaluation fuzz corpus: every input that ever mattered to the
// fuzzer is typed into a Workspace again and must run without breaking the
// value stack or tripping the sanitizers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "engine/engine_state.h"
#include "engine/library_table.h"
#include "engine/variables.h"
#include "evaluation_session.h"

TEST(EvaluationCorpusReplay, EveryInputRunsCleanly) {
    orvana::fuzzing::installFuzzLibrary();
    size_t replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ORVANA_EVALUATION_CORPUS_DIR)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
        SCOPED_TRACE(entry.path().filename().string());
        EXPECT_TRUE(orvana::fuzzing::runInput(reinterpret_cast<const uint8_t*>(bytes.data()),
                                              bytes.size()));
        ++replayed;
    }
    EXPECT_GT(replayed, 0u);
    engine::resetLibraries();
    engine::engineState().reset();
}
