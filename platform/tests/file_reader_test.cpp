// Reading files, and the pointer-pressed state and wait cursor through the
// backend.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/file_reader.h"
#include "platform/pointer_state.h"
#include "scripted_backend.h"

namespace {

std::u16string wide(const std::string& s) {
    return std::u16string(s.begin(), s.end());
}

}  // namespace

TEST(FileReader, ReadsSeeksAndReportsShortReads) {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("reader-" + std::to_string(getpid()))).string();
    {
        std::ofstream out(path, std::ios::binary);
        out << "abcdef";
    }
    PlatformReadFile* f = platformOpenFileForReading(wide(path).c_str());
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(platformFileSize(f), 6u);
    char buffer[8] = {};
    EXPECT_EQ(platformReadFileBytes(f, buffer, 4), 4u);
    EXPECT_EQ(std::string(buffer, 4), "abcd");
    EXPECT_EQ(platformFilePosition(f), 4u);
    EXPECT_EQ(platformReadFileBytes(f, buffer, 8), 2u);  // the end of the file
    EXPECT_EQ(platformSeekFile(f, 1), 1);
    EXPECT_EQ(platformReadFileBytes(f, buffer, 2), 2u);
    EXPECT_EQ(std::string(buffer, 2), "bc");
    EXPECT_EQ(platformSeekFile(f, 100), 1);
    EXPECT_EQ(platformReadFileBytes(f, buffer, 2), 0u);
    platformCloseFile(f);
    platformCloseFile(nullptr);
    std::filesystem::remove(path);

    EXPECT_EQ(platformOpenFileForReading(wide(path).c_str()), nullptr);  // gone
    EXPECT_EQ(platformOpenFileForReading(u"/"), nullptr);                // a folder
    EXPECT_EQ(platformOpenFileForReading(u""), nullptr);
    EXPECT_EQ(platformOpenFileForReading(nullptr), nullptr);
    EXPECT_EQ(platformReadFileBytes(nullptr, buffer, 2), 0u);
}

TEST(PointerState, ComesFromTheBackend) {
    EXPECT_EQ(platformPointerPressed(), 0);  // headless: never pressed
    platformSetWaitCursor(1);
    {
        orvana::testing::ScriptedBackend ui;
        EXPECT_EQ(platformPointerPressed(), 0);
        ui.setPointerPressed(true);
        EXPECT_EQ(platformPointerPressed(), 1);
        EXPECT_EQ(ui.pointerPolls(), 2);
        platformSetWaitCursor(1);
        platformSetWaitCursor(0);
        EXPECT_EQ(ui.waitCursorChanges(), (std::vector<bool>{true, false}));
    }
    // A table from before these entries existed.
    PlatformBackend old{};
    old.size = offsetof(PlatformBackend, pointerPressed);
    platformSetBackend(&old);
    EXPECT_EQ(platformPointerPressed(), 0);
    platformSetWaitCursor(1);
    platformSetBackend(nullptr);
}
