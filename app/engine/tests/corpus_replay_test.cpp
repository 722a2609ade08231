// Replays the parser fuzz corpus: every input that ever mattered to the
// fuzzer must still compile or fail with one of the parser's codes, without
// tripping the sanitizers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

#include "engine/parser.h"
#include "engine/script_folder.h"
#include "engine/user_functions.h"
#include "engine_test_support.h"

namespace engine::testing {
namespace {

// The fuzz target's reading of its bytes: UTF-16 units, little-endian,
// an odd last byte ignored.
std::u16string unitsOf(const std::vector<char>& bytes) {
    std::u16string text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        text += char16_t(uint8_t(bytes[i]) | (uint8_t(bytes[i + 1]) << 8));
    return text;
}

using CorpusReplay = EngineTest;

TEST_F(CorpusReplay, EveryInputEndsWithAParserCode) {
    loadFakeLibraries();
    setUserFunction(0, {u"g", 2});
    setUserFunction(1, {u"h", 0});
    const std::set<uint16_t> codes{0, 1, 2, 4, 5, 6, 7, 63};

    size_t replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ORVANA_PARSER_CORPUS_DIR)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
        std::u16string text = unitsOf(bytes);
        text = text.substr(0, text.find(u'\0'));
        SCOPED_TRACE(entry.path().filename().string());
        Token* list = nullptr;
        const uint16_t status = compileExpression(text.c_str(), &list);
        EXPECT_TRUE(codes.contains(status)) << status;
        if (status != 0) {
            EXPECT_EQ(list, nullptr);
        }
        freeCode(list);
        ++replayed;
    }
    EXPECT_GT(replayed, 0u);
}

}  // namespace
}  // namespace engine::testing
