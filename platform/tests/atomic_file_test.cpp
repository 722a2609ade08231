// Replacing files in one step.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/atomic_file.h"

namespace fs = std::filesystem;

namespace {

class AtomicFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("atomic-file-" + std::to_string(getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::u16string path16(const std::string& name) const {
        std::string p = (dir / name).string();
        return std::u16string(p.begin(), p.end());
    }
    std::string read(const std::string& name) const {
        std::ifstream in(dir / name, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    size_t fileCount() const {
        return size_t(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
    }

    fs::path dir;
};

}  // namespace

TEST_F(AtomicFile, CreatesAndReplacesKeepingPermissions) {
    const std::u16string path = path16("a.ovw");
    ASSERT_EQ(platformWriteFileAtomically(path.c_str(), "first", 5), 1);
    EXPECT_EQ(read("a.ovw"), "first");
    fs::permissions(dir / "a.ovw", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(platformWriteFileAtomically(path.c_str(), "2nd", 3), 1);
    EXPECT_EQ(read("a.ovw"), "2nd");
    EXPECT_EQ(fs::status(dir / "a.ovw").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(platformWriteFileAtomically(path.c_str(), "", 0), 1);
    EXPECT_EQ(read("a.ovw"), "");
    EXPECT_EQ(fileCount(), 1u);  // no temporary file left behind
}

TEST_F(AtomicFile, FailureLeavesTheOldFileAlone) {
    const std::u16string path = path16("keep.txt");
    ASSERT_EQ(platformWriteFileAtomically(path.c_str(), "precious", 8), 1);
    // A target that is a folder cannot be replaced by a file.
    fs::create_directories(dir / "folder");
    const std::u16string folder = path16("folder");
    EXPECT_EQ(platformWriteFileAtomically(folder.c_str(), "x", 1), 0);
    // Nor can a file be written into a folder that does not exist.
    const std::u16string missing = path16("no/such/file");
    EXPECT_EQ(platformWriteFileAtomically(missing.c_str(), "x", 1), 0);
    EXPECT_EQ(platformWriteFileAtomically(nullptr, "x", 1), 0);
    EXPECT_EQ(platformWriteFileAtomically(u"", "x", 1), 0);
    EXPECT_EQ(read("keep.txt"), "precious");
    EXPECT_EQ(fileCount(), 2u);
}
