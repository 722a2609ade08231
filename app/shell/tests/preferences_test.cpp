// "prefs.prf": the bytes written, the reading rules and their fallbacks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/workspace_settings.h"
#include "shell/preferences.h"

namespace shell {
namespace {

const std::vector<std::u16string> kSix = {u"Advanced", u"Conversion", u"Hexadecimal",
                                          u"Scientific", u"Statistics", u"graphing"};
constexpr char16_t kDocuments[] = u"/home/u/Documents/";

Preferences read(const std::string& bytes, const std::vector<std::u16string>& names = kSix) {
    return readPreferencesBytes(reinterpret_cast<const unsigned char*>(bytes.data()),
                                bytes.size(), names, kDocuments);
}

void putUnits(std::string& bytes, size_t at, std::u16string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        bytes[at + 2 * i] = char(text[i] & 0xFF);
        bytes[at + 2 * i + 1] = char(text[i] >> 8);
    }
}

Preferences sample() {
    Preferences p;
    p.rpnMode = true;
    p.formats.saved[0] = FormatSlot{0x0108, 3, 1, true, true, true};
    p.formats.saved[1] = FormatSlot{0x030A, 0, 1, false, false, false};
    p.formats.current = 2;
    p.quickSelects = {3, 5, kNoLibrary, 1, kNoLibrary};
    p.scriptDirectory = u"/home/u/scripts/";
    return p;
}

class PreferencesTest : public ::testing::Test {
protected:
    void SetUp() override { engine::resetWorkspaceSettings(); }
    void TearDown() override { engine::resetWorkspaceSettings(); }
};

TEST_F(PreferencesTest, WritesTheLayoutByteForByte) {
    const std::string bytes = preferencesBytes(sample(), kSix);
    ASSERT_EQ(bytes.size(), kPreferencesSize);
    EXPECT_EQ(bytes[0], 3);
    for (int i = 1; i < 16; ++i) EXPECT_EQ(bytes[size_t(i)], 0) << i;
    const std::string settings = bytes.substr(16, 64);
    const std::string expected("\x01\x00\x08\x01\x01\x01\x03\x01\x01"
                               "\x0A\x03\x00\x00\x00\x01\x00",
                               16);
    EXPECT_EQ(settings.substr(0, 16), expected);
    EXPECT_EQ(settings[23], 2);
    for (int i : {1, 16, 17, 18, 19, 20, 21, 22, 24, 63}) EXPECT_EQ(settings[size_t(i)], 0) << i;
    std::string name(60, '\0');
    putUnits(name, 0, u"Scientific");
    EXPECT_EQ(bytes.substr(80, 60), name);
    // An empty slot repeats the settings block's first 60 bytes.
    EXPECT_EQ(bytes.substr(200, 60), settings.substr(0, 60));
    EXPECT_EQ(bytes.substr(320, 60), settings.substr(0, 60));
    std::string directory(520, '\0');
    putUnits(directory, 0, u"/home/u/scripts/");
    EXPECT_EQ(bytes.substr(380), directory);
}

TEST_F(PreferencesTest, ReadsBackWhatItWrote) {
    const Preferences p = read(preferencesBytes(sample(), kSix));
    EXPECT_TRUE(p.rpnMode);
    EXPECT_EQ(p.formats.saved[0].formatCode, 0x0108);
    EXPECT_EQ(p.formats.saved[0].answerRows, 3);
    EXPECT_TRUE(p.formats.saved[0].polar);
    EXPECT_TRUE(p.formats.saved[0].evaluation);
    EXPECT_EQ(p.formats.saved[1].formatCode, 0x030A);
    EXPECT_EQ(p.formats.saved[1].answerRows, 0);
    EXPECT_FALSE(p.formats.saved[1].stored);
    EXPECT_EQ(p.formats.current, 2);
    // Slot 4 is always empty after reading; the current library is slot 0's.
    EXPECT_EQ(p.quickSelects, (std::array<int16_t, 5>{3, 5, kNoLibrary, 1, kNoLibrary}));
    EXPECT_EQ(p.currentLibrary, 3);
    EXPECT_EQ(p.scriptDirectory, u"/home/u/scripts/");
}

TEST_F(PreferencesTest, VersionOneHoldsFourQuickSelectsAndTheDirectoryAt320) {
    std::string bytes(16 + 64 + 4 * 60 + 520, '\0');
    bytes[0] = 1;
    bytes[16 + 2] = 0x07;  // slot settings of a version 1 file are not taken
    putUnits(bytes, 80, u"Statistics");
    putUnits(bytes, 140, u"Advanced");
    putUnits(bytes, 200, u"graphing");
    putUnits(bytes, 260, u"Hexadecimal");
    putUnits(bytes, 320, u"/data/ws/");
    const Preferences p = read(bytes);
    EXPECT_EQ(p.quickSelects, (std::array<int16_t, 5>{4, 0, 5, 2, kNoLibrary}));
    EXPECT_EQ(p.scriptDirectory, u"/data/ws/");
    EXPECT_EQ(p.formats.saved[0].formatCode, 0x0005);
    EXPECT_TRUE(p.formats.saved[0].stored);
}

TEST_F(PreferencesTest, ANameNoLibraryHasKeepsTheSlotsDefault) {
    Preferences written = sample();
    written.quickSelects = {2, 4, 0, kNoLibrary, kNoLibrary};
    const std::string bytes = preferencesBytes(written, kSix);
    // "Hexadecimal" and "Statistics" were renamed between runs.
    const std::vector<std::u16string> renamed = {u"Advanced", u"Conversion", u"Hex2",
                                                 u"Scientific", u"Stats", u"graphing"};
    const Preferences p = read(bytes, renamed);
    EXPECT_EQ(p.quickSelects, (std::array<int16_t, 5>{0, kNoLibrary, 0, kNoLibrary, kNoLibrary}));
    EXPECT_EQ(p.currentLibrary, 0);
}

TEST_F(PreferencesTest, NamesMatchExactlyAndCaseSensitively) {
    Preferences written;
    written.quickSelects = {5, kNoLibrary, kNoLibrary, kNoLibrary, kNoLibrary};
    const std::string bytes = preferencesBytes(written, kSix);
    const Preferences p = read(bytes, {u"Graphing", u"graphing2", u"graphing"});
    EXPECT_EQ(p.quickSelects[0], 2);
}

TEST_F(PreferencesTest, WithoutAFileTheFirstFourLibrariesAreQuickSelects) {
    struct Row {
        size_t libraries;
        std::array<int16_t, 5> slots;
    };
    const Row rows[] = {
        {6, {0, 1, 2, 3, kNoLibrary}},
        {4, {0, 1, 2, 3, kNoLibrary}},
        {2, {0, 1, kNoLibrary, kNoLibrary, kNoLibrary}},
        {0, {0, kNoLibrary, kNoLibrary, kNoLibrary, kNoLibrary}},
    };
    for (const Row& row : rows) {
        const std::vector<std::u16string> names(kSix.begin(), kSix.begin() + long(row.libraries));
        const Preferences p = readPreferencesBytes(nullptr, 0, names, kDocuments);
        EXPECT_EQ(p.quickSelects, row.slots) << row.libraries;
        EXPECT_EQ(p.currentLibrary, 0);
        EXPECT_FALSE(p.rpnMode);
        EXPECT_EQ(p.scriptDirectory, u"");
    }
}

TEST_F(PreferencesTest, ShortFilesKeepTheDefaultsOfWhatDidNotArrive) {
    const std::string full = preferencesBytes(sample(), kSix);
    struct Row {
        size_t size;
        bool rpn;
        std::u16string directory;
        int16_t slot0;
        uint16_t slot1Format;
    };
    // A cut settings block is taken as all zeros and leaves the slots alone.
    const Row rows[] = {
        {0, false, u"", 0, 0x0005},
        {15, false, u"", 0, 0x0005},
        {16, false, u"", 0, 0x0005},
        {17, false, u"", 0, 0x0005},
        {79, false, u"", 0, 0x0005},
        {80, true, kDocuments, 0, 0x0108},
        {139, true, kDocuments, 0, 0x0108},
        {140, true, kDocuments, 3, 0x0108},
        {899, true, kDocuments, 3, 0x0108},
        {900, true, u"/home/u/scripts/", 3, 0x0108},
    };
    for (const Row& row : rows) {
        const Preferences p = read(full.substr(0, row.size));
        EXPECT_EQ(p.rpnMode, row.rpn) << row.size;
        EXPECT_EQ(p.scriptDirectory, row.directory) << row.size;
        EXPECT_EQ(p.quickSelects[0], row.slot0) << row.size;
        EXPECT_EQ(p.formats.saved[0].formatCode, row.slot1Format) << row.size;
    }
}

TEST_F(PreferencesTest, OddValuesAreTakenSafely) {
    std::string bytes = preferencesBytes(sample(), kSix);
    bytes[16 + 23] = 7;    // no such slot: slot 0
    bytes[16 + 0] = 2;     // only 1 means RPN mode
    bytes[16 + 6] = 200;   // answer rows above 3
    bytes[16 + 7] = 9;     // columns are always 1
    bytes[16 + 8] = 5;     // any non-zero stored flag is 1
    putUnits(bytes, 380, std::u16string(260, u'x'));  // no terminator
    engine::workspaceSettings().answerRows = 9;
    const Preferences p = read(bytes);
    EXPECT_EQ(p.formats.current, 0);
    EXPECT_FALSE(p.rpnMode);
    EXPECT_EQ(p.formats.saved[0].answerRows, 3);
    EXPECT_EQ(p.formats.saved[0].answerColumns, 1);
    EXPECT_TRUE(p.formats.saved[0].stored);
    EXPECT_EQ(p.scriptDirectory.size(), 259u);
    EXPECT_EQ(engine::workspaceSettings().answerRows, 3);
}

}  // namespace
}  // namespace shell
