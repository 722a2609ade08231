// Workspace files: the bytes the writer produces, round trips, the load
// options, loading variables, and the files of older versions.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>

#include "engine/script_cache.h"
#include "engine/script_folder.h"
#include "engine/scripts.h"
#include "engine/user_functions.h"
#include "engine/variables.h"
#include "engine/workspace_file.h"
#include "engine/workspace_note.h"
#include "engine/workspace_settings.h"
#include "workspace_test_support.h"

namespace engine::workspace_testing {
namespace {

uint16_t u16At(const std::string& b, size_t at) {
    return uint16_t(uint8_t(b[at]) | (uint8_t(b[at + 1]) << 8));
}

uint32_t u32At(const std::string& b, size_t at) {
    return uint32_t(u16At(b, at)) | (uint32_t(u16At(b, at + 2)) << 16);
}

double f64At(const std::string& b, size_t at) {
    uint64_t u = 0;
    for (int i = 7; i >= 0; --i) u = (u << 8) | uint8_t(b[at + size_t(i)]);
    double d;
    std::memcpy(&d, &u, sizeof d);
    return d;
}

// A Workspace with something of everything: settings, a note, matrices,
// complex values, strings, user functions with notes and flags.
void fillWorkspace(BlockList& blocks) {
    WorkspaceSettings& s = workspaceSettings();
    s.gridX = -1.0;
    s.gridY = 0.25;
    s.autoscale = 1;
    s.squareAspect = 1;
    s.penWidth = 2;
    s.formatCode = 0x0108;
    s.answerRows = 3;
    s.rpnFirst = 5;
    s.rpnSecond = -6;
    s.defaultXMin = -3.0;
    s.defaultXMax = 9.0;
    s.defaultYMin = -2.0;
    s.defaultYMax = 8.0;
    s.sx = 20.0;
    s.cx = 60.0;
    s.sy = -26.6;
    s.cy = 212.8;
    s.polar = true;
    s.evaluation = true;
    s.storedFlag = 1;
    setWorkspaceNote(u"Notes on the Workspace");
    ASSERT_EQ(blocks.defineFunction(u"sq", 1, u"x*x"), 0);
    ASSERT_EQ(blocks.defineFunction(u"hyp", 2, u"x*x+y*y"), 0);
    ASSERT_EQ(blocks.defineFunction(u"ten", 0, u"10"), 0);
    WorkspaceTest::enter(blocks, u"m={1,2,3|4,5,6}");
    WorkspaceTest::enter(blocks, u"c=3+4*i");
    WorkspaceTest::enter(blocks, u"s=\"hello world\"");
    WorkspaceTest::enter(blocks, u"w=m*i+1");
    WorkspaceTest::enter(blocks, u"sq(3)+hyp(3,4)+ten");
    blocks.block(1).setNote(u"complex");
    blocks.block(2).setDegrees(true);
    blocks.block(3).setFlags(blocks.block(3).flags() | 0x3);
}

}  // namespace

TEST_F(WorkspaceTest, FreshProgramSavesHeaderSettingsAndFourVariables) {
    const std::string b = workspaceBytes(true, nullptr);
    ASSERT_EQ(b.size(), 322u);
    EXPECT_EQ(u16At(b, 0), 5);
    for (size_t at : {2u, 4u, 6u, 8u, 10u, 12u, 14u}) EXPECT_EQ(u16At(b, at), 0) << at;
    EXPECT_EQ(u16At(b, 16), 1);  // the empty note is its terminator
    EXPECT_EQ(u16At(b, 18), 0);
    // Settings at 20: the default range and mapping.
    EXPECT_EQ(f64At(b, 20 + 32), -18.0);
    EXPECT_EQ(f64At(b, 20 + 40), 18.0);
    EXPECT_EQ(f64At(b, 20 + 48), -10.0);
    EXPECT_EQ(f64At(b, 20 + 56), 10.0);
    EXPECT_EQ(u16At(b, 20 + 22), 0x0005);
    EXPECT_EQ(u16At(b, 20 + 24), 1);
    EXPECT_EQ(u16At(b, 20 + 26), 1);
    EXPECT_EQ(u16At(b, 116), 4);  // x, y, z, t
    EXPECT_EQ(u16At(b, 118), u'x');
    EXPECT_EQ(u16At(b, 118 + 24), u'y');
    EXPECT_EQ(u16At(b, 118 + 72), u't');
    const size_t values = 118 + 96;
    EXPECT_EQ(u16At(b, values), 1);
    EXPECT_EQ(u16At(b, values + 4), 1);
    EXPECT_EQ(u32At(b, values + 6), 8u);
    EXPECT_EQ(u16At(b, 318), 0);  // no user functions
    EXPECT_EQ(u16At(b, 320), 0);  // no blocks
}

TEST_F(WorkspaceTest, HeaderCarriesSlotZeroFlagsAndTheNote) {
    WorkspaceSettings& s = workspaceSettings();
    s.storedFlag = 1;
    s.recalculationOff = true;
    s.evaluation = true;
    s.polar = true;
    s.penWidth = 2;
    setWorkspaceNote(u"Hi");
    const std::string b = workspaceBytes(true, nullptr);
    EXPECT_EQ(u16At(b, 8), 1);
    EXPECT_EQ(u16At(b, 10), 1);
    EXPECT_EQ(u16At(b, 12), 1);
    EXPECT_EQ(u16At(b, 14), 1);
    EXPECT_EQ(u16At(b, 16), 3);
    EXPECT_EQ(u16At(b, 18), u'H');
    EXPECT_EQ(u16At(b, 22), 0);
    EXPECT_EQ(u16At(b, 24 + 20), 2);  // pen width in the settings
}

TEST_F(WorkspaceTest, StringOfFiveCharactersIsStoredInSixteenBytes) {
    BlockList blocks;
    enter(blocks, u"s=\"abcde\"");
    const std::string b = workspaceBytes(true, nullptr);
    // Globals x y z t s: the fifth value record follows four scalars.
    ASSERT_EQ(u16At(b, 116), 5);
    const size_t record = 118 + 5 * 24 + 4 * 26;
    EXPECT_EQ(u16At(b, record + 4), 3);
    EXPECT_EQ(u32At(b, record + 6), 16u);
    EXPECT_EQ(u16At(b, record + 10), u'a');
    EXPECT_EQ(u16At(b, record + 10 + 8), u'e');
    EXPECT_EQ(u16At(b, record + 10 + 10), 0);
    EXPECT_EQ(b.size(), record + 10 + 32 + 4);
}

TEST_F(WorkspaceTest, BlockRecordsHoldTextNoteAndFlags) {
    BlockList blocks;
    enter(blocks, u"1+1");
    blocks.block(0).setNote(u"ab");
    blocks.block(0).setDegrees(true);
    const std::string b = workspaceBytes(false, &blocks);
    // The two blocks (the executed one and the new empty one) end the file.
    const size_t second = b.size() - 8;  // T = 0, M = 0, flags
    const size_t first = second - (2 + 8 + 2 + 6 + 4);
    EXPECT_EQ(u16At(b, first - 2), 2);  // B
    EXPECT_EQ(u16At(b, first), 8);
    EXPECT_EQ(u16At(b, first + 2), u'1');
    EXPECT_EQ(u16At(b, first + 10), 6);
    EXPECT_EQ(u16At(b, first + 12), u'a');
    EXPECT_EQ(u32At(b, first + 18), 0x10u);
    EXPECT_EQ(u16At(b, second), 0);
    EXPECT_EQ(u16At(b, second + 2), 0);
}

TEST_F(WorkspaceTest, SaveLoadSaveGivesTheSameBytes) {
    std::string once;
    {
        BlockList blocks;
        fillWorkspace(blocks);
        ASSERT_TRUE(saveWorkspace(path(u"round.ovw").c_str(), false, &blocks));
        once = read(path(u"round.ovw"));
        EXPECT_EQ(once, workspaceBytes(false, &blocks));
    }
    resetEngine();
    BlockList blocks;
    ASSERT_TRUE(loadWorkspace(path(u"round.ovw").c_str(), 0, LoadWhich::workspace(), &blocks));
    ASSERT_TRUE(saveWorkspace(path(u"again.ovw").c_str(), false, &blocks));
    EXPECT_EQ(read(path(u"again.ovw")), once);

    // What was loaded is usable: the blocks evaluate, functions are called.
    blocks.evaluateAll();
    EXPECT_EQ(blocks.count(), 6);
    EXPECT_EQ(blocks.block(4).answer()->re[0], 9.0 + 25.0 + 10.0);
    EXPECT_EQ(blocks.block(1).note(), u"complex");
    EXPECT_TRUE(blocks.block(2).degrees());
    EXPECT_EQ(globalText(u"s"), "hello world");
    EXPECT_EQ(workspaceNote(), u"Notes on the Workspace");
    const WorkspaceSettings& s = workspaceSettings();
    EXPECT_EQ(s.formatCode, 0x0108);
    EXPECT_EQ(s.gridY, 0.25);
    EXPECT_EQ(s.cy, 212.8);
    EXPECT_TRUE(s.polar);
    EXPECT_TRUE(s.evaluation);
    EXPECT_EQ(s.rpnSecond, -6);
}

TEST_F(WorkspaceTest, VariablesOnlySaveLoadsAsOneEmptyBlock) {
    BlockList blocks;
    enter(blocks, u"q=7");
    ASSERT_TRUE(saveWorkspace(path(u"v.ovw").c_str(), true, &blocks));
    const std::string b = read(path(u"v.ovw"));
    EXPECT_EQ(u32At(b, b.size() - 4), 0u);  // F = 0, B = 0
    resetEngine();
    BlockList loaded;
    enter(loaded, u"1");
    ASSERT_TRUE(loadWorkspace(path(u"v.ovw").c_str(), 0, LoadWhich::workspace(), &loaded));
    EXPECT_EQ(loaded.count(), 1);
    EXPECT_TRUE(loaded.block(0).text().empty());
    EXPECT_EQ(global(u"q"), 7.0);
}

struct OptionCase {
    uint32_t options;
    bool blocksKept;
    bool functionsKept;
    bool variablesLoaded;
    bool oldVariableKept;
};

class LoadOptions : public WorkspaceTest, public ::testing::WithParamInterface<OptionCase> {};

TEST_P(LoadOptions, EachOptionLeavesItsPartAlone) {
    const OptionCase c = GetParam();
    {
        BlockList source;
        ASSERT_EQ(source.defineFunction(u"fromfile", 0, u"1"), 0);
        enter(source, u"fileVar=11");
        setWorkspaceNote(u"file note");
        workspaceSettings().formatCode = 0x0203;
        ASSERT_TRUE(saveWorkspace(path(u"src.ovw").c_str(), false, &source));
    }
    resetEngine();
    BlockList blocks;
    ASSERT_EQ(blocks.defineFunction(u"mine", 0, u"2"), 0);
    enter(blocks, u"oldVar=5");
    enter(blocks, u"fileVar=1");
    setWorkspaceNote(u"my note");

    ASSERT_TRUE(
        loadWorkspace(path(u"src.ovw").c_str(), c.options, LoadWhich::workspace(), &blocks));
    EXPECT_EQ(blocks.block(0).text() == u"oldVar=5", c.blocksKept);
    EXPECT_EQ(workspaceNote() == u"my note", c.blocksKept);
    EXPECT_EQ(workspaceSettings().formatCode == 0x0005, c.blocksKept);
    EXPECT_EQ(findUserFunction(u"mine") >= 0, c.functionsKept);
    EXPECT_EQ(findUserFunction(u"fromfile") >= 0, !c.functionsKept);
    EXPECT_EQ(global(u"fileVar") == 11.0, c.variablesLoaded);
    EXPECT_EQ(global(u"oldVar") == 5.0, c.oldVariableKept);
    EXPECT_EQ(lastLoadOptions(), c.options);
}

INSTANTIATE_TEST_SUITE_P(Workspace, LoadOptions,
                         ::testing::Values(OptionCase{0x00, false, false, true, true},
                                           OptionCase{0x01, true, false, true, true},
                                           OptionCase{0x02, false, true, true, true},
                                           OptionCase{0x04, false, false, false, true},
                                           OptionCase{0x10, false, false, true, false},
                                           OptionCase{0x20, false, false, true, true},
                                           OptionCase{0x07, true, true, false, true},
                                           OptionCase{0x11, true, false, true, false}));

TEST_F(WorkspaceTest, ClearingVariablesKeepsThoseTheKeptBlocksUse) {
    {
        BlockList source;
        ASSERT_TRUE(saveWorkspace(path(u"src.ovw").c_str(), false, &source));
    }
    BlockList blocks;
    enter(blocks, u"used=3");
    enter(blocks, u"unused=4");
    blocks.block(1).setText(u"used+1");
    ASSERT_TRUE(loadWorkspace(path(u"src.ovw").c_str(), 0x11, LoadWhich::workspace(), &blocks));
    EXPECT_NE(findVariable(u"used"), kNoVariable);
    EXPECT_EQ(findVariable(u"unused"), kNoVariable);
}

TEST_F(WorkspaceTest, LoadingVariablesLeavesTheRestAlone) {
    {
        BlockList source;
        enter(source, u"a=1");
        enter(source, u"b={5,6}");
        enter(source, u"s=\"text\"");
        ASSERT_TRUE(saveWorkspace(path(u"vars.ovw").c_str(), false, &source));
    }
    resetEngine();
    BlockList blocks;
    enter(blocks, u"a=100");
    const int count = blocks.count();
    // One variable: only b arrives.
    ASSERT_TRUE(loadWorkspace(path(u"vars.ovw").c_str(), 0, LoadWhich::variable(u"b"), nullptr));
    EXPECT_EQ(global(u"a"), 100.0);
    EXPECT_EQ(global(u"b"), 5.0);
    EXPECT_EQ(findVariable(u"s"), kNoVariable);
    // A name the file does not hold: refused, nothing changes.
    EXPECT_FALSE(
        loadWorkspace(path(u"vars.ovw").c_str(), 0, LoadWhich::variable(u"nope"), nullptr));
    EXPECT_EQ(findVariable(u"nope"), kNoVariable);
    // All variables.
    ASSERT_TRUE(loadWorkspace(path(u"vars.ovw").c_str(), 0, LoadWhich::allVariables(), nullptr));
    EXPECT_EQ(global(u"a"), 1.0);
    EXPECT_EQ(globalText(u"s"), "text");
    EXPECT_EQ(blocks.count(), count);
    EXPECT_EQ(blocks.block(0).text(), u"a=100");
}

TEST_F(WorkspaceTest, LoadAndSaveBuiltIns) {
    BlockList blocks;
    enter(blocks, u"k=42");
    enter(blocks, u"j=\"jay\"");
    EXPECT_EQ(enter(blocks, u"save(\"Kept\")"), 0);
    EXPECT_TRUE(std::filesystem::exists(folderPath() + "/Kept.ovw"));
    enter(blocks, u"k=0");
    enter(blocks, u"j=0");
    EXPECT_EQ(enter(blocks, u"load(\"Kept\",\"k\")"), 0);
    EXPECT_EQ(global(u"k"), 42.0);
    EXPECT_EQ(global(u"j"), 0.0);
    EXPECT_EQ(enter(blocks, u"load(\"Kept\")"), 0);
    EXPECT_EQ(globalText(u"j"), "jay");
    EXPECT_EQ(enter(blocks, u"load(\"Missing\")"), 59);
    EXPECT_EQ(enter(blocks, u"load(\"Kept\",\"nothere\")"), 59);
    EXPECT_EQ(enter(blocks, u"load(3)"), 8);
    EXPECT_EQ(enter(blocks, u"load(\"Kept\",3)"), 8);
    EXPECT_EQ(enter(blocks, u"save(3)"), 8);
    setScriptFolder(u"/nonexistent-orvana-folder");
    EXPECT_EQ(enter(blocks, u"save(\"Kept\")"), 64);
}

TEST_F(WorkspaceTest, OlderVersionsLoadAsTheyWereWritten) {
    for (uint16_t version = 1; version <= 4; ++version) {
        SCOPED_TRACE(version);
        resetEngine();
        FileBytes f;
        f.header(version, u"old").settings(version);
        const bool shortSize = version <= 3;
        for (int p = 0; p < 29; ++p) {
            if (p == 0)
                f.scalar(2.0, 0.0, shortSize);  // a
            else if (p == 1)
                f.scalar(-1.5, 1.0, shortSize);  // b
            else if (p == 25)
                f.scalar(7.0, 0.0, shortSize);  // z
            else if (p == 8 || p == 27)
                f.scalar(99.0, 0.0, shortSize);  // unused places
            else
                f.empty(shortSize);
        }
        f.u16(1).block(u"sq(a)", u"", 0);  // one function, no name: ignored
        f.u16(2).block(u"a+b").block(u"z*2", u"note", 0x10);
        write(path(u"old.ovw"), f.bytes());

        BlockList blocks;
        ASSERT_TRUE(loadWorkspace(path(u"old.ovw").c_str(), 0, LoadWhich::workspace(), &blocks));
        EXPECT_EQ(global(u"a"), 2.0);
        EXPECT_EQ(global(u"b"), -1.5);
        EXPECT_EQ(global(u"z"), 7.0);
        EXPECT_EQ(findVariable(u"c"), kNoVariable);  // kind 0: not loaded
        EXPECT_EQ(findVariable(u"i"), kNoVariable);
        EXPECT_EQ(workspaceNote(), u"old");
        const WorkspaceSettings& s = workspaceSettings();
        EXPECT_EQ(s.gridX, version <= 2 ? 0.0 : 1.5);
        EXPECT_EQ(s.gridY, version <= 2 ? 0.0 : 2.5);
        EXPECT_EQ(s.formatCode, 0x0104);
        EXPECT_EQ(s.cy, 130.0);
        EXPECT_EQ(s.cx, -7.0);
        EXPECT_EQ(s.rpnSecond, 8);
        ASSERT_EQ(blocks.count(), 2);
        EXPECT_EQ(blocks.block(1).note(), u"note");
        EXPECT_TRUE(blocks.block(1).degrees());
        blocks.evaluateAll();
        EXPECT_EQ(blocks.block(1).answer()->re[0], 14.0);
        // One variable from an old file is found by its letter.
        copyValMatrix(variableAt(findVariable(u"z")), 0.0, 0.0);
        ASSERT_TRUE(loadWorkspace(path(u"old.ovw").c_str(), 0, LoadWhich::variable(u"z"), nullptr));
        EXPECT_EQ(global(u"z"), 7.0);
        EXPECT_FALSE(
            loadWorkspace(path(u"old.ovw").c_str(), 0, LoadWhich::variable(u"c"), nullptr));
    }
}

TEST_F(WorkspaceTest, UnsupportedVersionsAreRefusedWithNothingChanged) {
    for (uint16_t version : {0, 7, 300}) {
        SCOPED_TRACE(version);
        FileBytes f;
        f.header(version, u"new").settings().u16(0).u16(0).u16(1).block(u"1+2");
        write(path(u"new.ovw"), f.bytes());
        BlockList blocks;
        enter(blocks, u"5");
        setWorkspaceNote(u"mine");
        EXPECT_FALSE(loadWorkspace(path(u"new.ovw").c_str(), 0, LoadWhich::workspace(), &blocks));
        EXPECT_FALSE(
            loadWorkspace(path(u"new.ovw").c_str(), 0, LoadWhich::allVariables(), nullptr));
        EXPECT_EQ(blocks.block(0).text(), u"5");
        EXPECT_EQ(workspaceNote(), u"mine");
    }
    BlockList blocks;
    EXPECT_FALSE(loadWorkspace(path(u"missing.ovw").c_str(), 0, LoadWhich::workspace(), &blocks));
    EXPECT_FALSE(loadWorkspace(path(u"").c_str(), 0, LoadWhich::workspace(), &blocks));
}

TEST_F(WorkspaceTest, VersionSixIsReadLikeFiveButTheLoadFails) {
    FileBytes f;
    f.header(6, u"six").settings().u16(1).padded(u"v", 12).scalar(42).u16(0).u16(1).block(u"1+2");
    write(path(u"six.ovw"), f.bytes());
    BlockList blocks;
    enter(blocks, u"5");
    EXPECT_FALSE(loadWorkspace(path(u"six.ovw").c_str(), 0, LoadWhich::workspace(), &blocks));
    EXPECT_EQ(blocks.block(0).text(), u"1+2");
    EXPECT_EQ(workspaceNote(), u"six");
    EXPECT_EQ(global(u"v"), 42.0);
    copyValMatrix(variableAt(findVariable(u"v")), 0.0, 0.0);
    EXPECT_FALSE(loadWorkspace(path(u"six.ovw").c_str(), 0, LoadWhich::variable(u"v"), nullptr));
    EXPECT_EQ(global(u"v"), 42.0);
    // Called as a function, it fails to load as well.
    write(workspacePath(u"Six"), f.bytes());
    EXPECT_EQ(enter(blocks, u"Six(1)"), 57);
}

TEST_F(WorkspaceTest, FailedSaveLeavesThePreviousFileAndNoLitter) {
    BlockList blocks;
    enter(blocks, u"1");
    ASSERT_TRUE(saveWorkspace(path(u"keep.ovw").c_str(), false, &blocks));
    const std::string before = read(path(u"keep.ovw"));
    EXPECT_FALSE(saveWorkspace(path(u"no/such/folder.ovw").c_str(), false, &blocks));
    std::filesystem::create_directory(folderPath() + "/dir.ovw");
    std::filesystem::create_directory(folderPath() + "/dir.ovw/inside");
    EXPECT_FALSE(saveWorkspace(path(u"dir.ovw").c_str(), false, &blocks));
    EXPECT_TRUE(std::filesystem::is_directory(folderPath() + "/dir.ovw/inside"));
    EXPECT_EQ(read(path(u"keep.ovw")), before);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folderPath())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 2);  // keep.ovw and dir.ovw
    EXPECT_FALSE(saveWorkspace(path(u"x.ovw").c_str(), false, nullptr));
}

}  // namespace engine::workspace_testing
