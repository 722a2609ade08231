// The keypad module loader with real modules on disk: which files of a
// folder are taken, in which order, what a broken module does, and how the
// loaded modules' names, codes and messages are routed.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/library_loader.h"
#include "engine/library_names.h"
#include "engine/library_table.h"
#include "engine/messages.h"
#include "evaluator_test_support.h"

namespace engine::evaluation_testing {
namespace {

namespace fs = std::filesystem;

fs::path fakeModule(const std::string& variant) {
    return fs::path(ORVANA_FAKE_MODULE_DIR) / ("fake_keypad_" + variant + ".so");
}

class LibraryLoader : public EvaluatorTest {
  protected:
    void SetUp() override {
        EvaluatorTest::SetUp();
        resetLibraries();
        folder_ = fs::temp_directory_path() /
                  ("orvana-loader-" + std::to_string(getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        unloadKeypadLibraries();
        fs::remove_all(folder_);
        EvaluatorTest::TearDown();
    }
    // Places a copy of a fake module variant in the folder under `name`.
    void place(const std::string& variant, const std::string& name) {
        fs::copy_file(fakeModule(variant), folder_ / name, fs::copy_options::overwrite_existing);
    }
    std::vector<std::u16string> names() const {
        std::vector<std::u16string> out;
        for (int n = 1; n <= libraryCount(); ++n) out.push_back(*libraryName(n));
        return out;
    }
    fs::path folder_;
};

TEST_F(LibraryLoader, OneFileGetsTheNextNumberAndItsNameWithoutTheEnding) {
    EXPECT_EQ(loadKeypadLibraryFile(fakeModule("1").c_str()), 1);
    EXPECT_EQ(loadKeypadLibraryFile(fakeModule("2").c_str()), 2);
    EXPECT_EQ(names(), (std::vector<std::u16string>{u"fake_keypad_1", u"fake_keypad_2"}));
    const KeypadLibrary* first = libraryAt(1);
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first->module, nullptr);
    for (const void* entry : {(const void*)first->GetButtonRect, (const void*)first->MapKeyboard,
                              (const void*)first->LoadBMP, (const void*)first->GetOperator,
                              (const void*)first->GetStrOperator, (const void*)first->doOperation,
                              (const void*)first->doGraph, (const void*)first->doDraw})
        EXPECT_NE(entry, nullptr);
    EXPECT_EQ(run(u"shared+10").text, "11");
    EXPECT_EQ(first->titleBitmap, nullptr);  // this module draws no title
}

TEST_F(LibraryLoader, ModulesThatCannotServeAreLeftOut) {
    place("1", "NotAModule.so");
    fs::remove(folder_ / "NotAModule.so");
    {
        std::FILE* f = std::fopen((folder_ / "NotAModule.so").c_str(), "w");
        std::fputs("not an ELF file", f);
        std::fclose(f);
    }
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(loadKeypadLibraryFile(fakeModule("broken").c_str()), 0);
    EXPECT_EQ(loadKeypadLibraryFile((folder_ / "NotAModule.so").c_str()), 0);
    EXPECT_EQ(loadKeypadLibraryFile((folder_ / "Missing.so").c_str()), 0);
    EXPECT_EQ(loadKeypadLibraryFile(""), 0);
    EXPECT_EQ(loadKeypadLibraryFile(nullptr), 0);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("missing entry points doDraw"), std::string::npos) << err;
    EXPECT_NE(err.find("NotAModule.so"), std::string::npos) << err;
    EXPECT_NE(err.find("Missing.so"), std::string::npos) << err;
    EXPECT_EQ(libraryCount(), 0);
    // Nothing of the broken module's names reaches the parser.
    EXPECT_EQ(run(u"shared").status, 1);
}

TEST_F(LibraryLoader, AFolderIsTakenInNameOrderWithoutLinkedLibraries) {
    place("2", "Zeta.so");
    place("1", "Alpha.so");
    place("3", "Mid.so");
    place("1", "liblattix.so");
    place("1", "libplatform.so");
    place("1", "Alpha.so.1");
    place("1", "readme.txt");
    place("broken", "Broken.so");
    fs::create_directories(folder_ / "Folder.so");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(loadKeypadLibraries(folder_.c_str()), 3);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Broken.so"), std::string::npos);
    EXPECT_EQ(names(), (std::vector<std::u16string>{u"Alpha", u"Mid", u"Zeta"}));
    // Two libraries that know a name: the first loaded owns it.
    EXPECT_EQ(run(u"shared").text, "1");
}

TEST_F(LibraryLoader, NamesAreDecodedAndLongNamesLeftOut) {
    place("1",
          "\xC3\x9C"
          "ber.so");           // UTF-8
    place("2", "Lat\xE9.so");  // not UTF-8: Latin-1
    place("3", "ANameMuchLongerThanTwentyNineUnits.so");
    place("3", "NameOfExactlyTwentyNineUnits_.so");
    ::testing::internal::CaptureStderr();
    ASSERT_EQ(loadKeypadLibraries(folder_.c_str()), 3);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("longer than 29"), std::string::npos) << err;
    EXPECT_EQ(names(), (std::vector<std::u16string>{u"Lat\u00E9", u"NameOfExactlyTwentyNineUnits_",
                                                    u"\u00DCber"}));
    EXPECT_EQ(libraryName(2)->size(), size_t(KEYPAD_LIBRARY_NAME_UNITS - 1));
}

TEST_F(LibraryLoader, AtMostFifteenLibrariesAreLoaded) {
    for (int i = 0; i < 17; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "K%02d.so", i);
        place(std::to_string(1 + i % 3), name);
    }
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(loadKeypadLibraries(folder_.c_str()), kMaxLibraries);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("K15.so"), std::string::npos);
    EXPECT_NE(err.find("K16.so"), std::string::npos);
    EXPECT_EQ(libraryCount(), 15);
    EXPECT_EQ(*libraryName(15), u"K14");
    // The fifteenth library's codes still route to it.
    EXPECT_EQ(run(u"failown(1)").status, 0x0165);
    EXPECT_EQ(loadKeypadLibraryFile(fakeModule("1").c_str()), 0);
}

TEST_F(LibraryLoader, ErrorsAreRoutedToTheOwningLibrarysMessages) {
    place("1", "A.so");
    place("2", "B.so");
    place("3", "C.so");
    ASSERT_EQ(loadKeypadLibraries(folder_.c_str()), 3);
    // "onlyc" is known to the third library only.
    const uint16_t third = run(u"onlyc(1)").status;
    EXPECT_EQ(third, 0x0365);
    EXPECT_EQ(messageText(third), u"Fake library 3 failed");
    const uint16_t first = run(u"failown(1)").status;
    EXPECT_EQ(first, 0x0165);
    EXPECT_EQ(messageText(first), u"Fake library 1 failed");
    EXPECT_EQ(messageText(0x0265), u"Fake library 2 failed");
    EXPECT_EQ(messageText(run(u"failnone(1)").status), u"Unknown library error");
    const uint16_t fourteen = run(u"failmain(1)").status;
    EXPECT_EQ(fourteen, 0x010E);
    EXPECT_EQ(messageText(fourteen), u"Invalid parameter value");
}

TEST_F(LibraryLoader, NameListsComeFromModulesThatOfferThem) {
    ASSERT_EQ(loadKeypadLibraryFile(fakeModule("1").c_str()), 1);
    ASSERT_EQ(loadKeypadLibraryFile(fakeModule("2").c_str()), 2);
    EXPECT_TRUE(libraryNames(1).empty());  // loaded all the same
    const std::vector<NamedCode> names = libraryNames(2);
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0].name, u"shared");
    EXPECT_EQ(names[0].code, 0x0100);
    EXPECT_EQ(names[1].name, u"onlyb");
    EXPECT_TRUE(libraryNames(0).empty());
    EXPECT_TRUE(libraryNames(3).empty());

    const std::vector<NamedCode> main = mainProgramNames();
    const auto has = [&](std::u16string_view n) {
        return std::any_of(main.begin(), main.end(), [&](const NamedCode& c) { return c.name == n; });
    };
    EXPECT_TRUE(has(u"WHILE"));
    EXPECT_TRUE(has(u"inv"));
    EXPECT_FALSE(has(u"shared"));
}

TEST_F(LibraryLoader, UnloadingEmptiesTheTable) {
    place("1", "A.so");
    ASSERT_EQ(loadKeypadLibraries(folder_.c_str()), 1);
    unloadKeypadLibraries();
    EXPECT_EQ(libraryCount(), 0);
    EXPECT_EQ(run(u"shared").status, 1);
    unloadKeypadLibraries();  // twice is harmless
    EXPECT_EQ(loadKeypadLibraries((folder_ / "nowhere").c_str()), 0);
    EXPECT_EQ(loadKeypadLibraries(nullptr), 0);
}

}  // namespace
}  // namespace engine::evaluation_testing
