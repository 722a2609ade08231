// Reading .cvt tables: both formats, tables of constants and of units, the
// shipped tables, and files that must be refused without reading past
// their end (a table of corrupted files, and every cut and many byte
// changes of valid ones).
#include <cmath>

#include "conversion_test_support.h"
#include "cvt_table.h"

namespace conversion::testing {
namespace {

std::optional<CvtTable> parse(const std::vector<uint8_t>& bytes) {
    // A copy of exactly the file's size, so that the address sanitizer sees
    // any read past the end.
    const std::unique_ptr<uint8_t[]> exact(new uint8_t[bytes.size() + 1]);
    std::copy(bytes.begin(), bytes.end(), exact.get());
    return parseCvtTable(std::span<const uint8_t>(exact.get(), bytes.size()));
}

std::vector<std::u16string> namesOf(const CvtTable& table) {
    std::vector<std::u16string> names;
    for (const CvtEntry& entry : table.entries) names.push_back(entry.name);
    return names;
}

TEST(CvtTableTest, ListFormatTableOfUnits) {
    const auto table = parse(listFormatBytes({{u"Inch", 0.0254}, {u"Foot", 0.3048}}, u"Lengths"));
    ASSERT_TRUE(table);
    EXPECT_FALSE(table->constants);
    EXPECT_EQ(table->title, u"Lengths");
    EXPECT_EQ(namesOf(*table), (std::vector<std::u16string>{u"Inch", u"Foot"}));
    EXPECT_EQ(table->entries[1].value, 0.3048);
}

TEST(CvtTableTest, FirstEntryConstantMakesATableOfConstantsAndIsNotListed) {
    const auto list = parse(listFormatBytes({{u"Constant", 0}, {u"c", 299792458.0}}, u"T", 10));
    ASSERT_TRUE(list);
    EXPECT_TRUE(list->constants);
    EXPECT_EQ(namesOf(*list), (std::vector<std::u16string>{u"c"}));
    EXPECT_EQ(list->entries[0].value, 299792458.0);

    const auto fixed =
        parse(fixedFormatBytes({{u"Constant", 0}, {u"pi", 3.14}, {u"e2", 7.39}}, u"Numbers"));
    ASSERT_TRUE(fixed);
    EXPECT_TRUE(fixed->constants);
    EXPECT_EQ(fixed->title, u"Numbers");
    EXPECT_EQ(namesOf(*fixed), (std::vector<std::u16string>{u"pi", u"e2"}));
    EXPECT_EQ(fixed->entries[1].value, 7.39);
}

TEST(CvtTableTest, FixedFormatEndsAtTheFirstNameWithoutASecondUnit) {
    // "X" has no second unit: the list ends there and the title follows it.
    const auto table =
        parse(fixedFormatBytes({{u"Yard", 0.9144}, {u"Rod", 5.0292}, {u"X", 1}}, u"Old units"));
    ASSERT_TRUE(table);
    EXPECT_FALSE(table->constants);
    EXPECT_EQ(namesOf(*table), (std::vector<std::u16string>{u"Yard", u"Rod"}));
    EXPECT_EQ(table->entries[0].value, 0.9144);
    EXPECT_EQ(table->title, u"");  // the title field read is the one after "X"
}

TEST(CvtTableTest, FixedFormatWithTwentyNamesHasNoTitle) {
    std::vector<CvtEntrySpec> entries;
    for (int i = 0; i < 20; ++i)
        entries.push_back({u"Unit" + std::u16string(1, u'A' + i), i + 1.0});
    const auto table = parse(fixedFormatBytes(entries, u""));
    ASSERT_TRUE(table);
    ASSERT_EQ(table->entries.size(), 20u);
    EXPECT_EQ(table->entries[19].value, 20.0);
    EXPECT_EQ(table->title, u"");
}

TEST(CvtTableTest, ShippedTableOfConstants) {
    const auto table = parse(readFile(std::filesystem::path(CONVERSION_DATA_DIR) / "Physics.cvt"));
    ASSERT_TRUE(table);
    EXPECT_TRUE(table->constants);
    ASSERT_EQ(table->entries.size(), 8u);
    EXPECT_EQ(table->entries[0].name, u"Speed of light (m/s)");
    EXPECT_EQ(table->entries[0].value, 299792458.0);
    EXPECT_EQ(table->entries[7].value, 9.80665);
}

struct CorruptCase {
    const char* what;
    std::vector<uint8_t> bytes;
};

std::vector<uint8_t> withByte(std::vector<uint8_t> bytes, size_t offset, uint8_t value) {
    bytes.at(offset) = value;
    return bytes;
}

std::vector<uint8_t> cut(std::vector<uint8_t> bytes, size_t size) {
    bytes.resize(size);
    return bytes;
}

// A name field of 30 units none of which is 0.
std::vector<uint8_t> unterminated(std::vector<uint8_t> bytes, size_t offset) {
    for (size_t i = 0; i < kCvtNameBytes; i += 2) {
        bytes.at(offset + i) = 'A';
        bytes.at(offset + i + 1) = 0;
    }
    return bytes;
}

TEST(CvtTableTest, CorruptedFilesAreRefused) {
    const auto list = listFormatBytes({{u"Constant", 0}, {u"g", 9.8}}, u"Title");
    const auto fixed = fixedFormatBytes({{u"Metre", 1}, {u"Foot", 0.3048}}, u"Title");
    const CorruptCase cases[] = {
        {"empty file", {}},
        {"one byte", {5}},
        {"list format word only", {1, 0}},
        {"list count cut", {1, 0, 2}},
        {"list count larger than the file", withByte(list, 2, 3)},
        {"list count at its largest", withByte(withByte(list, 2, 0xFF), 3, 0xFF)},
        {"list entry value cut", cut(list, 4 + kCvtListEntryBytes + kCvtNameBytes + 3)},
        {"list title missing", cut(list, 4 + 2 * kCvtListEntryBytes)},
        {"list title cut", cut(list, list.size() - 1)},
        {"list name without terminator", unterminated(list, 4 + kCvtListEntryBytes)},
        {"list title without terminator", unterminated(list, 4 + 2 * kCvtListEntryBytes)},
        {"fixed format word only", {'M', 0}},
        {"fixed names cut", cut(fixed, 100)},
        {"fixed terminator slot cut", cut(fixed, 2 * kCvtNameBytes + 2)},
        {"fixed values cut", cut(fixed, kCvtFixedValuesOffset + 15)},
        {"fixed name without terminator", unterminated(fixed, kCvtNameBytes)},
        {"fixed title without terminator", unterminated(fixed, 3 * kCvtNameBytes)},
    };
    for (const CorruptCase& c : cases) EXPECT_FALSE(parse(c.bytes)) << c.what;
}

// Every prefix and many single-byte changes of valid files either parse or
// are refused, and never read outside the bytes (checked by the sanitizer
// build). A parsed table never has more entries than the bytes can hold.
TEST(CvtTableTest, CutAndChangedFilesNeverReadPastTheirEnd) {
    const std::vector<std::vector<uint8_t>> files = {
        readFile(std::filesystem::path(CONVERSION_DATA_DIR) / "Physics.cvt"),
        readFile(std::filesystem::path(CONVERSION_DATA_DIR) / "Lengths.cvt"),
        fixedFormatBytes({{u"Constant", 0}, {u"a", 1}, {u"bb", 2}}, u"Fixed"),
    };
    for (const auto& file : files) {
        ASSERT_TRUE(parse(file));
        for (size_t size = 0; size < file.size(); ++size) {
            const auto table = parse(cut(file, size));
            if (table) {
                EXPECT_LE(table->entries.size() * kCvtListEntryBytes, size);
            }
        }
        for (size_t offset = 0; offset < file.size(); offset += 7)
            for (uint8_t value : {uint8_t(0), uint8_t(0x0B), uint8_t(0x41), uint8_t(0xFF)})
                (void)parse(withByte(file, offset, value));
    }
}

TEST(CvtTableTest, FilesThatCannotBeOpenedGiveNothing) {
    TemporaryFolder folder;
    EXPECT_FALSE(readCvtTable((folder.path() / "missing.cvt").u16string().c_str()));
    EXPECT_FALSE(readCvtTable(folder.path().u16string().c_str()));
    EXPECT_FALSE(readCvtTable(nullptr));
    writeFile(folder.path() / "ok.cvt", listFormatBytes({{u"A1", 1}}, u"T"));
    const auto table = readCvtTable((folder.path() / "ok.cvt").u16string().c_str());
    ASSERT_TRUE(table);
    EXPECT_EQ(table->entries.size(), 1u);
}

}  // namespace
}  // namespace conversion::testing
