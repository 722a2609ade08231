// Replacing files in one step.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

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

TEST_F(AtomicFile, SymbolicLinksKeepPointingAtTheNewContents) {
    ASSERT_EQ(platformWriteFileAtomically(path16("target.ovw").c_str(), "old", 3), 1);
    fs::create_directories(dir / "links");
    fs::create_symlink("../target.ovw", dir / "links" / "relative.ovw");
    fs::create_symlink(dir / "links" / "relative.ovw", dir / "chain.ovw");
    ASSERT_EQ(platformWriteFileAtomically(path16("chain.ovw").c_str(), "new", 3), 1);
    EXPECT_TRUE(fs::is_symlink(dir / "chain.ovw"));
    EXPECT_TRUE(fs::is_symlink(dir / "links" / "relative.ovw"));
    EXPECT_EQ(read("target.ovw"), "new");
    // A dangling link gets its target created.
    fs::create_symlink("made.ovw", dir / "dangling.ovw");
    ASSERT_EQ(platformWriteFileAtomically(path16("dangling.ovw").c_str(), "made", 4), 1);
    EXPECT_TRUE(fs::is_symlink(dir / "dangling.ovw"));
    EXPECT_EQ(read("made.ovw"), "made");
}

// Folder permissions do not bind the superuser: as root the writes run in a
// child that has become the unprivileged user 65534.
TEST_F(AtomicFile, ALockedFolderStillLetsAWritableFileBeWritten) {
    ASSERT_EQ(platformWriteFileAtomically(path16("inside.ovw").c_str(), "a longer old text", 17), 1);
    auto lockedWrites = [&]() -> int {
        fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
        int failures = 0;
        if (platformWriteFileAtomically(path16("inside.ovw").c_str(), "short", 5) != 1) failures |= 1;
        // A new file cannot be made there: the reason comes back in errno.
        errno = 0;
        if (platformWriteFileAtomically(path16("new.ovw").c_str(), "x", 1) != 0) failures |= 2;
        if (errno != EACCES) failures |= 4;
        fs::permissions(dir, fs::perms::owner_all);
        return failures;
    };
    int failures = 0;
    if (geteuid() != 0) {
        failures = lockedWrites();
    } else {
        const uid_t nobody = 65534;
        ASSERT_EQ(::chown(dir.c_str(), nobody, nobody), 0);
        ASSERT_EQ(::chown((dir / "inside.ovw").c_str(), nobody, nobody), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) _exit(setgid(nobody) == 0 && setuid(nobody) == 0 ? lockedWrites() : 8);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        failures = WEXITSTATUS(status);
    }
    EXPECT_EQ(failures, 0) << "1: not written in place, 2: a new file made, 4: another reason";
    EXPECT_EQ(read("inside.ovw"), "short");
    EXPECT_EQ(fileCount(), 1u);
}
