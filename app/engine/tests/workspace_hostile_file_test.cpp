// Workspace files that are cut short, oversized or corrupted: a clean
// refusal with nothing changed, or a partial load of the complete records.
#include <gtest/gtest.h>

#include <string>

#include "engine/variables.h"
#include "engine/workspace_file.h"
#include "engine/workspace_note.h"
#include "engine/workspace_settings.h"
#include "workspace_test_support.h"

namespace engine::workspace_testing {
namespace {

// A valid version-5 file: note, settings, variables a and s, one function,
// two blocks.
std::string validFile() {
    FileBytes f;
    f.header(5, u"note").settings();
    f.u16(2).padded(u"a", 12).padded(u"s", 12).scalar(3.0).string(u"str");
    f.u16(1).block(u"x+1", u"inc", 1u << 6);
    f.u16(2).block(u"a*2").block(u"inc(a)", u"n", 0x10);
    return f.bytes();
}

// The variable section of a file whose only variable is `value`.
std::string withValue(const std::string& value) {
    FileBytes f;
    f.header(5).settings().u16(1).padded(u"v", 12).raw(value).u16(0).u16(1).block(u"1");
    return f.bytes();
}

std::string valueRecord(uint16_t rows, uint16_t cols, uint16_t kind, uint32_t size,
                        size_t dataBytes) {
    FileBytes f;
    f.u16(rows).u16(cols).u16(kind).u32(size);
    return f.bytes() + std::string(dataBytes, '\0');
}

}  // namespace

TEST_F(WorkspaceTest, EveryPrefixOfAFileLoadsSafely) {
    const std::string file = validFile();
    for (size_t n = 0; n <= file.size(); ++n) {
        SCOPED_TRACE(n);
        resetEngine();
        write(path(u"cut.ovw"), file.substr(0, n));
        BlockList blocks;
        enter(blocks, u"keep=1");
        const bool ok = loadWorkspace(path(u"cut.ovw").c_str(), 0, LoadWhich::workspace(), &blocks);
        // Without a whole header the file is no Workspace and nothing changes.
        EXPECT_EQ(ok, n >= 18);
        if (!ok) {
            EXPECT_EQ(blocks.block(0).text(), u"keep=1");
        }
        ASSERT_GE(blocks.count(), 1);
        blocks.evaluateAll();
        (void)loadWorkspace(path(u"cut.ovw").c_str(), 0, LoadWhich::allVariables(), nullptr);
        (void)loadWorkspace(path(u"cut.ovw").c_str(), 0, LoadWhich::variable(u"s"), nullptr);
    }
    // The whole file loads completely.
    BlockList blocks;
    write(path(u"whole.ovw"), file);
    ASSERT_TRUE(loadWorkspace(path(u"whole.ovw").c_str(), 0, LoadWhich::workspace(), &blocks));
    blocks.evaluateAll();
    EXPECT_EQ(blocks.count(), 2);
    EXPECT_EQ(blocks.block(1).answer()->re[0], 4.0);
    EXPECT_EQ(globalText(u"s"), "str");
}

TEST_F(WorkspaceTest, ACutFileKeepsTheRecordsBeforeTheCut) {
    const std::string file = validFile();
    // Cut inside the second block record: the first block is loaded.
    write(path(u"cut.ovw"), file.substr(0, file.size() - 3));
    BlockList blocks;
    ASSERT_TRUE(loadWorkspace(path(u"cut.ovw").c_str(), 0, LoadWhich::workspace(), &blocks));
    ASSERT_EQ(blocks.count(), 1);
    EXPECT_EQ(blocks.block(0).text(), u"a*2");
    EXPECT_EQ(global(u"a"), 3.0);
    // Cut inside the settings: the fields before the cut are taken.
    resetEngine();
    write(path(u"cut.ovw"), file.substr(0, 18 + 10 + 20));
    ASSERT_TRUE(loadWorkspace(path(u"cut.ovw").c_str(), 0, LoadWhich::workspace(), &blocks));
    EXPECT_EQ(workspaceSettings().gridX, 1.5);
    EXPECT_EQ(workspaceSettings().squareAspect, 1);
    EXPECT_EQ(workspaceSettings().formatCode, 0x0005);  // not reached
    EXPECT_EQ(blocks.count(), 1);
    EXPECT_TRUE(blocks.block(0).text().empty());
}

struct Malformed {
    const char* what;
    std::string bytes;
    // Loads of variables read only up to the variable section; they refuse
    // only what they read.
    bool variableLoadsRefuse = true;
};

class MalformedFiles : public WorkspaceTest, public ::testing::WithParamInterface<Malformed> {};

TEST_P(MalformedFiles, AreRefusedWithNothingChanged) {
    write(path(u"bad.ovw"), GetParam().bytes);
    BlockList blocks;
    enter(blocks, u"mine=2");
    setWorkspaceNote(u"kept");
    EXPECT_FALSE(loadWorkspace(path(u"bad.ovw").c_str(), 0, LoadWhich::workspace(), &blocks));
    if (GetParam().variableLoadsRefuse) {
        EXPECT_FALSE(
            loadWorkspace(path(u"bad.ovw").c_str(), 0, LoadWhich::allVariables(), nullptr));
        EXPECT_FALSE(
            loadWorkspace(path(u"bad.ovw").c_str(), 0, LoadWhich::variable(u"v"), nullptr));
    }
    EXPECT_EQ(blocks.block(0).text(), u"mine=2");
    EXPECT_EQ(workspaceNote(), u"kept");
    EXPECT_EQ(findVariable(u"v"), kNoVariable);
    EXPECT_EQ(global(u"mine"), 2.0);
}

std::vector<Malformed> malformedFiles() {
    std::vector<Malformed> cases;
    cases.push_back({"kind out of range", withValue(valueRecord(1, 1, 7, 8, 16))});
    cases.push_back({"RPN kind", withValue(valueRecord(0, 0, 6, 8, 16))});
    cases.push_back({"scalar of two elements", withValue(valueRecord(1, 2, 1, 16, 32))});
    cases.push_back({"size not matching the shape", withValue(valueRecord(2, 2, 2, 24, 48))});
    cases.push_back({"matrix without elements", withValue(valueRecord(0, 3, 2, 0, 0))});
    cases.push_back({"huge matrix size", withValue(valueRecord(65535, 65535, 2, 0xFFFFFFF8u, 64))});
    cases.push_back({"string of odd size", withValue(valueRecord(0, 0, 3, 7, 14))});
    cases.push_back({"oversized string", withValue(valueRecord(0, 0, 3, 0x00100000u, 64))});
    {
        FileBytes text;
        text.u16(0).u16(0).u16(3).u32(8).padded(u"abcd", 4).padded(u"", 4);
        cases.push_back({"string without its terminator", withValue(text.bytes())});
    }
    {
        FileBytes f;
        f.header(5).settings().u16(1).padded(u"abcdefghijkl", 12).scalar(1).u16(0).u16(0);
        cases.push_back({"name without its terminator", f.bytes()});
    }
    {
        FileBytes f;
        f.header(5).settings().u16(0).u16(0).u16(1).u16(3).raw("abc").u16(0).u32(0);
        cases.push_back({"block text of odd size", f.bytes(), false});
    }
    {
        FileBytes f;
        f.header(5).settings().u16(0).u16(0).u16(1).u16(4).padded(u"ab", 2).u16(0).u32(0);
        cases.push_back({"block text without its terminator", f.bytes(), false});
    }
    {
        FileBytes f;
        f.header(5).settings().u16(0).u16(1).u16(4).padded(u"x", 2).u16(3).raw("abc").u32(0);
        cases.push_back({"function note of odd size", f.bytes(), false});
    }
    {
        FileBytes f;
        f.u16(5).u16(0).u16(0).u16(0).u16(0).u16(0).u16(0).u16(0).u16(2).padded(u"ab", 2);
        f.settings().u16(0).u16(0).u16(0);
        cases.push_back({"note without its terminator", f.bytes(), false});
    }
    {
        FileBytes f;
        f.u16(5).u16(0).u16(0);
        cases.push_back({"header cut short", f.bytes()});
    }
    cases.push_back({"empty file", std::string()});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Workspace, MalformedFiles, ::testing::ValuesIn(malformedFiles()),
                         [](const auto& info) {
                             std::string name;
                             for (const char* c = info.param.what; *c != 0; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

TEST_F(WorkspaceTest, SizesBeyondTheFileAllocateNothingAndLoadWhatCame) {
    // A matrix of a million elements announced in a file of a few hundred
    // bytes: the section stops there.
    FileBytes f;
    f.header(5).settings().u16(2).padded(u"big", 12).padded(u"v", 12);
    f.u16(1000).u16(1000).u16(2).u32(8000000).raw(std::string(64, '\0'));
    write(path(u"big.ovw"), f.bytes());
    BlockList blocks;
    EXPECT_TRUE(loadWorkspace(path(u"big.ovw").c_str(), 0, LoadWhich::workspace(), &blocks));
    EXPECT_EQ(findVariable(u"big"), kNoVariable);
    EXPECT_EQ(blocks.count(), 1);
    EXPECT_FALSE(loadWorkspace(path(u"big.ovw").c_str(), 0, LoadWhich::variable(u"big"), nullptr));

    // Sixty thousand names announced: nothing beyond the file is read.
    FileBytes names;
    names.header(5).settings().u16(60000).padded(u"a", 12);
    write(path(u"names.ovw"), names.bytes());
    EXPECT_TRUE(loadWorkspace(path(u"names.ovw").c_str(), 0, LoadWhich::workspace(), &blocks));
    EXPECT_EQ(findVariable(u"a"), kNoVariable);

    // A note longer than the file.
    FileBytes note;
    note.u16(5).u16(0).u16(0).u16(0).u16(0).u16(0).u16(0).u16(0).u16(40000).text(u"short");
    write(path(u"note.ovw"), note.bytes());
    EXPECT_TRUE(loadWorkspace(path(u"note.ovw").c_str(), 0, LoadWhich::workspace(), &blocks));
}

TEST_F(WorkspaceTest, LimitsOfBlocksFunctionsTextsAndNotes) {
    FileBytes f;
    f.header(5, std::u16string(600, u'n')).settings().u16(0);
    f.u16(32);
    for (int i = 0; i < 32; ++i)
        f.block(u"1", std::u16string(size_t(1 + i % 26), char16_t(u'a' + i % 26)));
    f.u16(150);
    f.block(std::u16string(120, u'1'), std::u16string(40, u'm'), 0x10);
    for (int i = 1; i < 150; ++i) f.block(u"2");
    write(path(u"limits.ovw"), f.bytes());
    BlockList blocks;
    ASSERT_TRUE(loadWorkspace(path(u"limits.ovw").c_str(), 0, LoadWhich::workspace(), &blocks));
    EXPECT_EQ(blocks.count(), 101);
    // Longer than a block holds: kept as stored, with status 7, never run.
    EXPECT_EQ(blocks.block(0).status(), 7);
    EXPECT_EQ(blocks.block(0).text(), std::u16string(120, u'1'));
    EXPECT_EQ(lastLoadSummary().blocksInFile, 150);
    EXPECT_EQ(lastLoadSummary().blocksLoaded, 101);
    EXPECT_FALSE(lastLoadSummary().cutShort);
    EXPECT_EQ(blocks.block(0).note(), std::u16string(29, u'm'));
    EXPECT_TRUE(blocks.block(0).degrees());
    EXPECT_EQ(workspaceNote().size(), 499u);
    int functions = 0;
    for (int slot = 0; slot < 30; ++slot) functions += blocks.function(slot) != nullptr;
    EXPECT_EQ(functions, 30);  // the first 30 records
    blocks.evaluateAll();
    EXPECT_EQ(blocks.block(0).status(), 7);
    // Saved again, the long text is written back unchanged.
    ASSERT_TRUE(saveWorkspace(path(u"again.ovw").c_str(), false, &blocks));
    BlockList again;
    ASSERT_TRUE(loadWorkspace(path(u"again.ovw").c_str(), 0, LoadWhich::workspace(), &again));
    EXPECT_EQ(again.block(0).text(), std::u16string(120, u'1'));

    // A file cut inside its block list loads the blocks before the cut.
    const std::string whole = f.bytes();
    write(path(u"cut.ovw"), whole.substr(0, whole.size() - 20));
    ASSERT_TRUE(loadWorkspace(path(u"cut.ovw").c_str(), 0, LoadWhich::workspace(), &again));
    EXPECT_TRUE(lastLoadSummary().cutShort);
    EXPECT_EQ(lastLoadSummary().blocksInFile, 150);
    EXPECT_EQ(lastLoadSummary().blocksLoaded, 101);
}

TEST_F(WorkspaceTest, OddSettingsAreBroughtIntoRange) {
    FileBytes f;
    f.header(5).f64(1).f64(1).u16(0).u16(0).u16(9).u16(5).u16(40).u16(4).u16(0).u16(0);
    for (int i = 0; i < 8; ++i) f.f64(1.0);
    f.u16(0).u16(0).u16(0);
    write(path(u"odd.ovw"), f.bytes());
    workspaceSettings().recalculationOff = true;
    BlockList blocks;
    ASSERT_TRUE(loadWorkspace(path(u"odd.ovw").c_str(), 0, LoadWhich::workspace(), &blocks));
    EXPECT_EQ(workspaceSettings().penWidth, 2);
    EXPECT_EQ(workspaceSettings().answerRows, 3);
    EXPECT_EQ(workspaceSettings().answerColumns, 1);
    EXPECT_FALSE(workspaceSettings().recalculationOff);
}

}  // namespace engine::workspace_testing
