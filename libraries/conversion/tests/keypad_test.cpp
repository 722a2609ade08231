// The keypad: what each key inserts, the "Units" pop-up, the pop-up of
// .cvt tables with its "Constants" dialog (tables of constants and of
// units, files found beside a module and in the install tree, files that
// cannot be read), the module path without a folder, and NOW.
#include <filesystem>
#include <string>

#include "conversion_test_support.h"
#include "keypad_module_fixture.h"
#include "platform/clock.h"
#include "platform/edit_control.h"
#include "scripted_backend.h"
#include "table_catalog.h"

namespace conversion::testing {
namespace {

namespace fs = std::filesystem;
using orvana::testing::ScriptedBackend;

constexpr uint32_t key(char16_t character, uint32_t page) {
    return page << 16 | character;
}
constexpr uint32_t kUnitsKey = key(u'.', 2);
constexpr uint32_t kTablesKey = key(u'0', 2);

using keypad_testing::EditLine;

int32_t press(const KeypadLibrary& library, EditLine& line, uint32_t code) {
    return library.MapKeyboard(code, line.handle(), nullptr);
}

void clear(EditLine& line) {
    platformEditSetText(line.handle(), u"");
}

class ConversionKeypadTest : public ConversionTest {
  protected:
    ScriptedBackend backend_;
    EditLine edit_;
};

TEST_F(ConversionKeypadTest, KeysInsertTheirTexts) {
    static constexpr keypad_testing::KeyRow kRows[] = {
        {u'1', 2, u"M", 1},      {u'1', 3, u"CM", 2},     {u'1', 4, u"MM", 2},
        {u'2', 2, u"YD", 2},     {u'2', 3, u"FT", 2},     {u'2', 4, u"IN", 2},
        {u'3', 2, u">", 1},      {u'3', 3, u"MI", 2},     {u'3', 4, u"KM", 2},
        {u'4', 2, u"N", 1},      {u'4', 3, u"LBF", 3},    {u'4', 4, u"OZF", 3},
        {u'5', 2, u"KG", 2},     {u'5', 3, u"LBM", 3},    {u'5', 4, u"OZ", 2},
        {u'6', 2, u"L", 1},      {u'6', 3, u"QT", 2},     {u'6', 4, u"GAL", 3},
        {u'7', 2, u"J", 1},      {u'7', 3, u"BTU", 3},    {u'7', 4, u"KWH", 3},
        {u'8', 2, u"FC()", 3},   {u'8', 3, u"CF()", 3},   {u'8', 4, u"CAL", 3},
        {u'9', 2, u"SEC", 3},    {u'9', 3, u"MIN", 3},    {u'9', 4, u"HR", 2},
        {u'.', 3, u"\u00B2", 1}, {u'.', 4, u"\u00B3", 1}, {u'0', 3, u"PSI", 3},
        {u'0', 4, u"ATM", 3},    {u'#', 2, u"", 0},       {u'1', 5, u"", 0},
    };
    keypad_testing::expectKeys(library(), edit_, kRows);
    EXPECT_TRUE(backend_.popupMenus().empty());
}

// Every unit of the seven categories inserts its name, which this library
// knows; the two date functions insert calls with the caret inside.
TEST_F(ConversionKeypadTest, UnitsMenu) {
    for (const char16_t* name :
         {u"KM", u"M",   u"CM",  u"MM",  u"MI",   u"YD",   u"FT",  u"IN",  u"DAY",
          u"HR", u"MIN", u"SEC", u"NOW", u"N",    u"DYNE", u"LBF", u"OZF", u"KG",
          u"G",  u"LBM", u"OZ",  u"L",   u"CC",   u"GAL",  u"QT",  u"PT",  u"CIN",
          u"J",  u"KWH", u"CAL", u"BTU", u"FTLB", u"PA",   u"ATM", u"PSI"}) {
        clear(edit_);
        backend_.queuePopupMenuChoice(std::u16string(name));
        EXPECT_EQ(press(library(), edit_, kUnitsKey), KEYPAD_ACTION_NONE);
        EXPECT_EQ(edit_.text(), name) << narrow(name);
        EXPECT_NE(library().GetStrOperator(name), 0) << narrow(name);
    }
    EXPECT_EQ(backend_.popupMenus().back().items,
              (std::vector<std::u16string>{u"Length", u"Time", u"Force", u"Mass", u"Volume",
                                           u"Energy", u"Pressure"}));
    const struct {
        const char16_t* item;
        std::u16string_view text;
        int32_t caret;
    } cases[] = {{u"SDATE", u"SDATE()", 6}, {u"MDY", u"MDY()", 4}, {u"Time", u"", 0}};
    for (const auto& c : cases) {
        clear(edit_);
        backend_.queuePopupMenuChoice(std::u16string(c.item));
        press(library(), edit_, kUnitsKey);
        EXPECT_EQ(edit_.text(), c.text) << narrow(c.item);
        EXPECT_EQ(edit_.caret(), c.caret) << narrow(c.item);
    }
    clear(edit_);
    press(library(), edit_, kUnitsKey);  // dismissed
    EXPECT_EQ(edit_.text(), u"");
}

TEST_F(ConversionKeypadTest, TableOfConstantsInsertsTheChosenValue) {
    backend_.queuePopupMenuChoice(u"Physics");
    backend_.queueListChoice(1);
    press(library(), edit_, kTablesKey);
    EXPECT_EQ(edit_.text(), u"(6.62607015E-34)");
    ASSERT_EQ(backend_.popupMenus().size(), 1u);
    EXPECT_EQ(backend_.popupMenus()[0].items,
              (std::vector<std::u16string>{u"Lengths", u"Physics"}));
    ASSERT_EQ(backend_.listDialogs().size(), 1u);
    EXPECT_EQ(backend_.listDialogs()[0].caption, u"Physical constants (SI)");
    ASSERT_EQ(backend_.listDialogs()[0].items.size(), 8u);
    EXPECT_EQ(backend_.listDialogs()[0].items[0], u"Speed of light (m/s)");

    // The inserted text reads back as the value.
    const Outcome back = run(edit_.text());
    ASSERT_EQ(back.status, 0) << message(back.status);
    EXPECT_EQ(back.re(), 6.62607015e-34);

    clear(edit_);
    backend_.queuePopupMenuChoice(u"Physics");
    backend_.queueListChoice(0);
    press(library(), edit_, kTablesKey);
    EXPECT_EQ(edit_.text(), u"(299792458)");

    // Cancelled dialog, dismissed menu: nothing.
    clear(edit_);
    backend_.queuePopupMenuChoice(u"Physics");
    backend_.queueListChoice(-1);
    press(library(), edit_, kTablesKey);
    press(library(), edit_, kTablesKey);
    EXPECT_EQ(edit_.text(), u"");
}

TEST_F(ConversionKeypadTest, TableOfUnitsAsksFromAndTo) {
    backend_.queuePopupMenuChoice(u"Lengths");
    backend_.queueListChoice(3);  // Mile
    backend_.queueListChoice(4);  // Nautical mile
    press(library(), edit_, kTablesKey);
    EXPECT_EQ(edit_.text(), u"(0.8689762419)");
    ASSERT_EQ(backend_.listDialogs().size(), 2u);
    EXPECT_EQ(backend_.listDialogs()[0].caption, u"From:");
    EXPECT_EQ(backend_.listDialogs()[1].caption, u"Mile  To:");
    EXPECT_EQ(backend_.listDialogs()[1].items, backend_.listDialogs()[0].items);

    clear(edit_);
    backend_.queuePopupMenuChoice(u"Lengths");
    backend_.queueListChoice(8);  // Parsec
    backend_.queueListChoice(7);  // Light year
    press(library(), edit_, kTablesKey);
    EXPECT_EQ(edit_.text(), u"(3.261563777)");

    // Cancelled at "To:": nothing.
    clear(edit_);
    backend_.queuePopupMenuChoice(u"Lengths");
    backend_.queueListChoice(0);
    backend_.queueListChoice(-1);
    press(library(), edit_, kTablesKey);
    EXPECT_EQ(edit_.text(), u"");
}

// A copy of the module in a folder of its own, with tables beside it and in
// the install tree's data folder.
class TableFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The install tree's layout: modules in lib/orvana, data in share/orvana.
        const fs::path lib = root_.path() / "lib" / "orvana";
        share_ = root_.path() / "share" / "orvana";
        fs::create_directories(lib);
        fs::create_directories(share_);
        modulePath_ = lib / "Conversion.so";
        fs::copy_file(CONVERSION_MODULE_PATH, modulePath_);
        folder_ = lib;
    }

    fs::path folder_, share_, modulePath_;
    TemporaryFolder root_;
    ScriptedBackend backend_;
    EditLine edit_;
};

TEST_F(TableFolderTest, TablesBesideTheModuleComeFirstThenTheInstallTree) {
    writeFile(folder_ / "Beta.cvt", listFormatBytes({{u"Constant", 0}, {u"b", 2}}, u"B"));
    writeFile(folder_ / "Alpha.cvt", listFormatBytes({{u"Constant", 0}, {u"a", 1}}, u"A"));
    writeFile(folder_ / "notes.txt", {1, 2, 3});
    fs::create_directories(folder_ / "Folder.cvt");
    writeFile(share_ / "Alpha.cvt", listFormatBytes({{u"Constant", 0}, {u"other", 9}}, u"A2"));
    writeFile(share_ / "Gamma.cvt",
              fixedFormatBytes({{u"Constant", 0}, {u"g1", 0.5}, {u"g2", 1e300}}, u"G"));
    keypad_testing::KeypadModule module(modulePath_.c_str());
    ASSERT_TRUE(module.complete()) << module.missing();

    backend_.queuePopupMenuChoice(u"Alpha");
    backend_.queueListChoice(0);
    press(module.library(), edit_, kTablesKey);
    EXPECT_EQ(backend_.popupMenus().at(0).items,
              (std::vector<std::u16string>{u"Alpha", u"Beta", u"Gamma"}));
    EXPECT_EQ(edit_.text(), u"(1)");  // the file beside the module, not the other one

    clear(edit_);
    backend_.queuePopupMenuChoice(u"Gamma");
    backend_.queueListChoice(1);
    press(module.library(), edit_, kTablesKey);
    EXPECT_EQ(edit_.text(), u"(1E+300)");
    EXPECT_TRUE(backend_.messageBoxes().empty());
}

TEST_F(TableFolderTest, FilesThatCannotBeReadOfferAnEmptyList) {
    writeFile(folder_ / "Broken.cvt", {1, 0, 9, 0, 'A'});
    writeFile(folder_ / "Zero.cvt", listFormatBytes({{u"Nothing", 0}, {u"Metre", 1}}, u"Z"));
    keypad_testing::KeypadModule module(modulePath_.c_str());
    ASSERT_TRUE(module.complete());

    // The list is empty, and the platform shows no dialog for an empty list.
    backend_.queuePopupMenuChoice(u"Broken");
    press(module.library(), edit_, kTablesKey);
    EXPECT_EQ(backend_.popupMenus().at(0).items, (std::vector<std::u16string>{u"Broken", u"Zero"}));
    EXPECT_TRUE(backend_.listDialogs().empty());
    EXPECT_EQ(edit_.text(), u"");
    backend_.clear();

    // A unit of size 0 gives no number to insert.
    backend_.queuePopupMenuChoice(u"Zero");
    backend_.queueListChoice(1);
    backend_.queueListChoice(0);
    press(module.library(), edit_, kTablesKey);
    EXPECT_EQ(edit_.text(), u"");
    backend_.queuePopupMenuChoice(u"Zero");
    backend_.queueListChoice(0);
    backend_.queueListChoice(1);
    press(module.library(), edit_, kTablesKey);
    EXPECT_EQ(edit_.text(), u"(0)");
}

TEST_F(TableFolderTest, NoTablesGiveAnEmptyMenu) {
    keypad_testing::KeypadModule module(modulePath_.c_str());
    ASSERT_TRUE(module.complete());
    // The menu is empty, and the platform shows no empty menu.
    backend_.queuePopupMenuChoice(0);
    press(module.library(), edit_, kTablesKey);
    EXPECT_TRUE(backend_.popupMenus().empty());
    EXPECT_TRUE(backend_.listDialogs().empty());
    EXPECT_EQ(edit_.text(), u"");
}

TEST(TableCatalogTest, ModulePathWithoutAFolderIsReported) {
    ScriptedBackend backend;
    EXPECT_TRUE(findTableFiles("Conversion.so").empty());
    ASSERT_EQ(backend.messageBoxes().size(), 1u);
    EXPECT_EQ(backend.messageBoxes()[0].text, u"ERROR");
    EXPECT_EQ(backend.messageBoxes()[0].caption, u"145");

    backend.clear();
    EXPECT_TRUE(findTableFiles("/nonexistent-folder/Conversion.so").empty());
    EXPECT_TRUE(backend.messageBoxes().empty());
    EXPECT_EQ(ownModulePath().find('/') != std::string::npos, true);
}

TEST_F(ConversionKeypadTest, NowIsTheLocalTimeInSeconds) {
    const double before = double(platformLocalFileTime()) * 1e-07;
    const Outcome now = run(u"NOW");
    const double after = double(platformLocalFileTime()) * 1e-07;
    ASSERT_EQ(now.status, 0);
    EXPECT_GE(now.re(), before);
    EXPECT_LE(now.re(), after);
    const Outcome text = run(u"MDY(NOW)");
    ASSERT_EQ(text.status, 0);
    EXPECT_EQ(text.text().substr(2, 1), u":");
}

}  // namespace
}  // namespace conversion::testing
