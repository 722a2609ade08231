// Where names and operator characters get their codes.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "engine/library_table.h"
#include "engine/name_lookup.h"
#include "engine/script_folder.h"
#include "engine/user_functions.h"
#include "engine_test_support.h"

namespace engine::testing {
namespace {

class NameLookup : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        folder_ = std::filesystem::temp_directory_path() /
                  ("orvana-names-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                   "-" + std::to_string(reinterpret_cast<uintptr_t>(this)));
        std::filesystem::create_directories(folder_);
        for (const char* name : {"Cube", "Abcdefghijklmnopqrs", "Abcdefghijklmnopqrst", "cube"})
            std::ofstream(folder_ / (std::string(name) + ".ovw")) << "x";
        setScriptFolder(std::u16string(folder_.u16string()));
    }
    void TearDown() override {
        std::filesystem::remove_all(folder_);
        EngineTest::TearDown();
    }
    std::filesystem::path folder_;
};

TEST_F(NameLookup, BuiltInKeywordsComeFirst) {
    loadFakeLibraries();
    setUserFunction(3, {u"det", 1});
    EXPECT_EQ(lookupName(u"det"), 0x0415u);
    EXPECT_EQ(lookupName(u"round"), 0x0225u);
    EXPECT_EQ(lookupName(u"CONTIFGRAPHING"), 0x13F5u);
    EXPECT_EQ(lookupName(u"Det"), 0u);
    EXPECT_EQ(lookupName(u"dets"), 0u);
}

TEST_F(NameLookup, UserFunctionsBeforeLibraries) {
    loadFakeLibraries();
    setUserFunction(4, {u"sin", 0});
    setUserFunction(5, {u"cube", 3});
    EXPECT_EQ(lookupName(u"sin"), 0x8400u);
    EXPECT_EQ(lookupName(u"cube"), 0x8505u);
    clearUserFunction(4);
    EXPECT_EQ(lookupName(u"sin"), 0x10115u);
}

TEST_F(NameLookup, LibrariesInLoadOrder) {
    loadFakeLibraries();
    EXPECT_EQ(lookupName(u"sin"), 0x10115u);  // the second library is never asked
    EXPECT_EQ(lookupName(u"cos"), 0x20115u);
    EXPECT_EQ(lookupOperatorChar(u'^'), 0x10103u);
    EXPECT_EQ(lookupOperatorChar(u'#'), 0x20A02u);
    EXPECT_EQ(lookupOperatorChar(u'+'), 0x0101u);  // built-ins never reach libraries
    EXPECT_EQ(lookupOperatorChar(0x0002), 0x0F00u);
    EXPECT_EQ(lookupOperatorChar(u'@'), 0u);
}

TEST_F(NameLookup, WorkspacesOfTheScriptFolder) {
    EXPECT_EQ(lookupName(u"Cube"), 0x0DF5u);
    EXPECT_EQ(lookupName(u"Abcdefghijklmnopqrs"), 0x0DF5u);  // 19 characters
    EXPECT_EQ(lookupName(u"Abcdefghijklmnopqrst"), 0u);      // 20 characters
    EXPECT_EQ(lookupName(u"cube"), 0u);                      // lower-case start
    EXPECT_EQ(lookupName(u"Sphere"), 0u);
    EXPECT_EQ(compileText(u"Cube").code, "0 1 call:Cube");
    EXPECT_EQ(compileText(u"Cube(0)").code, "0 1 call:Cube");
    EXPECT_EQ(compileText(u"2Cube(2,3)").code, "2 2 3 2 call:Cube *");
    EXPECT_EQ(scriptFolder(), folder_.u16string());
    setScriptFolder(u"");
    EXPECT_EQ(lookupName(u"Cube"), 0u);
}

TEST_F(NameLookup, TheTableHoldsFifteenLibraries) {
    for (int n = 1; n <= 15; ++n) EXPECT_EQ(addLibrary(fakeSecond(), u"L"), n);
    EXPECT_EQ(addLibrary(fakeSecond(), u"L"), 0);
    EXPECT_EQ(libraryCount(), 15);
    KeypadLibrary incomplete{};
    resetLibraries();
    EXPECT_EQ(addLibrary(incomplete, u"Broken"), 0);
    EXPECT_EQ(addLibrary(fakeScientific(), std::u16string(40, u'n')), 1);
    EXPECT_EQ(libraryName(1)->size(), 29u);
}

}  // namespace
}  // namespace engine::testing
