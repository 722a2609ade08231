// Key help: the name a key's text stands for, the operator and owner found
// for it, and the help string or script note shown.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "engine/key_help.h"
#include "engine/library_loader.h"
#include "engine/library_table.h"
#include "engine/script_folder.h"
#include "evaluator_test_support.h"
#include "platform/module.h"
#include "scripted_backend.h"

namespace engine::evaluation_testing {
namespace {

namespace fs = std::filesystem;

TEST(KeyName, CutsAtTheParenthesisAndTheUnderscores) {
    const struct {
        const char16_t* text;
        const char16_t* name;
    } rows[] = {
        {u"sin()", u"sin"}, {u"_AND_", u"AND"},     {u"_NOT_", u"NOT"}, {u"pi", u"pi"},
        {u"10^()", u"10^"}, {u"rect(,)", u"rect"},  {u"V:", u"V:"},     {u"0x", u"0x"},
        {u"", u""},         {u"a_b_c", u"b"},       {u"f(_x_)", u"f"},  {u"_", u""},
        {u"x_", u"x"},      {u"\u00B2", u"\u00B2"}, {u"(", u""},        {u"__", u""},
    };
    for (const auto& row : rows) EXPECT_EQ(keyName(row.text), row.name) << narrow(row.text);
}

class KeyHelpTest : public EvaluatorTest {
  protected:
    void SetUp() override {
        EvaluatorTest::SetUp();
        resetLibraries();
        ASSERT_EQ(loadKeypadLibraryFile(ORVANA_FAKE_MODULE_DIR "/fake_keypad_1.so"), 1);
        ASSERT_EQ(loadKeypadLibraryFile(ORVANA_FAKE_MODULE_DIR "/fake_keypad_2.so"), 2);
        mainProgram_ =
            platformLoadModule(ORVANA_TEST_EXTRA_MODULE_DIR "/platform_string_table_module.so");
        ASSERT_NE(mainProgram_, nullptr);
        folder_ = fs::temp_directory_path() / ("orvana-keyhelp-" + std::to_string(getpid()));
        fs::create_directories(folder_);
        savedFolder_ = scriptFolder();
        setScriptFolder(folder_.u16string());
    }
    void TearDown() override {
        setScriptFolder(savedFolder_);
        fs::remove_all(folder_);
        platformFreeModule(mainProgram_);
        unloadKeypadLibraries();
        EvaluatorTest::TearDown();
    }
    // A Workspace file with only a header and a note of `count` units.
    void writeScript(const std::string& name, const std::u16string& note, int count) {
        std::ofstream out(folder_ / (name + ".ovw"), std::ios::binary);
        for (int i = 0; i < 16; ++i) out.put(char(0x55));
        out.put(char(count & 0xFF));
        out.put(char(count >> 8));
        for (char16_t c : note) {
            out.put(char(c & 0xFF));
            out.put(char(c >> 8));
        }
        out.put(0);
        out.put(0);
    }
    PlatformModule* mainProgram_ = nullptr;
    fs::path folder_;
    std::u16string savedFolder_;
};

TEST_F(KeyHelpTest, LibraryNamesShowTheFirstOwnersString) {
    const KeyHelp help = keyHelp(u"shared()", mainProgram_);
    EXPECT_EQ(help.name, u"shared");
    EXPECT_EQ(help.code, 0x10100u);
    EXPECT_EQ(help.text, u"shared of 1");
    EXPECT_EQ(help.caption, u"shared Help");
    // "onlyb" belongs to the second library, which has no help for it.
    const KeyHelp second = keyHelp(u"onlyb()", mainProgram_);
    EXPECT_EQ(second.code, 0x20515u);
    EXPECT_EQ(second.text, u"onlyb");
}

TEST_F(KeyHelpTest, MainProgramNamesAndTheSpecialPrefixes) {
    // 0x8005 in the stand-in main program table belongs to code 5.
    const KeyHelp det = keyHelp(u"det()", mainProgram_);
    EXPECT_EQ(det.code, 0x0415u);
    EXPECT_EQ(det.text, u"det");
    const KeyHelp v = keyHelp(u"V:", mainProgram_);
    EXPECT_EQ(v.code, 5110u);
    EXPECT_EQ(v.text, u"V:");
    EXPECT_EQ(keyHelp(u"i0", nullptr).code, 768u);
    EXPECT_EQ(keyHelp(u"0x", nullptr).code, 5116u);
    // A text that resolves to nothing shows itself.
    const KeyHelp none = keyHelp(u"#", mainProgram_);
    EXPECT_EQ(none.code, 0u);
    EXPECT_EQ(none.text, u"#");
    EXPECT_EQ(none.caption, u"# Help");
    const KeyHelp empty = keyHelp(u"", mainProgram_);
    EXPECT_EQ(empty.text, u"");
}

TEST_F(KeyHelpTest, AScriptShowsItsNote) {
    writeScript("Area", u"Area of a circle", 17);
    writeScript("Silent", u"", 0);
    const KeyHelp area = keyHelp(u"Area()", mainProgram_);
    EXPECT_EQ(area.code, 0x0DF5u);
    EXPECT_EQ(area.text, u"Area of a circle");
    // No note: the string lookup decides, and there is none.
    EXPECT_EQ(keyHelp(u"Silent", mainProgram_).text, u"Silent");
    // A count beyond the file's end reads what is there.
    writeScript("Short", u"abc", 400);
    EXPECT_EQ(keyHelp(u"Short", mainProgram_).text, u"abc");
}

TEST_F(KeyHelpTest, LibraryKeysAreComposedApart) {
    EXPECT_EQ(composeLibraryKey(*libraryAt(1), u'1' | 2u << 16), u"shared()");
    EXPECT_EQ(composeLibraryKey(*libraryAt(1), u'2' | 2u << 16), u"_failown_");
    EXPECT_EQ(composeLibraryKey(*libraryAt(1), u'9' | 4u << 16), u"");
    const KeyHelp help = keyHelp(composeLibraryKey(*libraryAt(2), u'1' | 2u << 16), nullptr);
    EXPECT_EQ(help.text, u"shared of 1");  // the first library owns the name
    EXPECT_EQ(keyHelp(u"_failown_", nullptr).name, u"failown");

    orvana::testing::ScriptedBackend ui;
    showKeyHelp(help, nullptr);
    ASSERT_EQ(ui.messageBoxes().size(), 1u);
    EXPECT_EQ(ui.messageBoxes()[0].text, u"shared of 1");
    EXPECT_EQ(ui.messageBoxes()[0].caption, u"shared Help");
    EXPECT_EQ(ui.messageBoxes()[0].style & PLATFORM_MB_ICON_MASK, PLATFORM_MB_ICONINFORMATION);
}

}  // namespace
}  // namespace engine::evaluation_testing
