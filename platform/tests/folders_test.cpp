// Listing, creating and deleting folders and files.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/files.h"

namespace {

namespace fs = std::filesystem;

std::u16string wide(const std::string& s) { return std::u16string(s.begin(), s.end()); }

class FolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("folders-" + std::to_string(getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    void TearDown() override { fs::remove_all(root_); }

    std::u16string at(const std::string& name) const { return wide((root_ / name).string()); }
    void touch(const std::string& name) const { std::ofstream(root_ / name) << "x"; }

    fs::path root_;
};

struct Listed {
    std::u16string name;
    uint32_t attributes;
};

std::vector<Listed> list(const std::u16string& folder) {
    std::vector<Listed> out;
    PlatformFolderListing* listing = platformListFolder(folder.c_str());
    if (listing == nullptr) return out;
    for (int32_t i = 0; i < platformFolderEntryCount(listing); ++i)
        out.push_back({platformFolderEntryName(listing, i), platformFolderEntryAttributes(listing, i)});
    EXPECT_EQ(platformFolderEntryName(listing, platformFolderEntryCount(listing)), nullptr);
    EXPECT_EQ(platformFolderEntryAttributes(listing, -1), PLATFORM_FILE_NO_ATTRIBUTES);
    platformFreeFolderListing(listing);
    return out;
}

TEST_F(FolderTest, ListsEntriesSortedWithTheirKinds) {
    touch("b.ovw");
    touch("A.txt");
    ASSERT_EQ(platformCreateFolder(at("sub").c_str()), 1);
    const std::vector<Listed> entries = list(wide(root_.string()));
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, u"A.txt");
    EXPECT_EQ(entries[1].name, u"b.ovw");
    EXPECT_EQ(entries[2].name, u"sub");
    EXPECT_EQ(entries[0].attributes & PLATFORM_FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_NE(entries[2].attributes & PLATFORM_FILE_ATTRIBUTE_DIRECTORY, 0u);
    // A trailing separator lists the same folder.
    EXPECT_EQ(list(wide(root_.string() + "/")).size(), 3u);
}

TEST_F(FolderTest, ListingSomethingThatIsNoFolderGivesNothing) {
    touch("file.ovw");
    EXPECT_EQ(platformListFolder(at("file.ovw").c_str()), nullptr);
    EXPECT_EQ(platformListFolder(at("missing").c_str()), nullptr);
    EXPECT_EQ(platformListFolder(u""), nullptr);
    EXPECT_EQ(platformListFolder(nullptr), nullptr);
    EXPECT_EQ(platformFolderEntryCount(nullptr), 0);
    platformFreeFolderListing(nullptr);
}

TEST_F(FolderTest, CreatesOnlyNewFoldersWithAnExistingParent) {
    EXPECT_EQ(platformCreateFolder(at("new").c_str()), 1);
    EXPECT_TRUE(fs::is_directory(root_ / "new"));
    EXPECT_EQ(platformCreateFolder(at("new").c_str()), 0);  // already there
    EXPECT_EQ(platformCreateFolder(at("no/such").c_str()), 0);
    EXPECT_EQ(platformCreateFolder(u""), 0);
    EXPECT_EQ(platformCreateFolder(nullptr), 0);
}

TEST_F(FolderTest, DeletesReadOnlyFilesButNotFolders) {
    touch("locked.ovw");
    chmod((root_ / "locked.ovw").c_str(), 0444);
    EXPECT_EQ(platformDeleteFile(at("locked.ovw").c_str()), 1);
    EXPECT_FALSE(fs::exists(root_ / "locked.ovw"));
    EXPECT_EQ(platformDeleteFile(at("locked.ovw").c_str()), 0);  // gone already

    ASSERT_EQ(platformCreateFolder(at("dir").c_str()), 1);
    EXPECT_EQ(platformDeleteFile(at("dir").c_str()), 0);
    touch("dir/inside.txt");
    EXPECT_EQ(platformRemoveFolder(at("dir").c_str()), 0);  // not empty
    EXPECT_EQ(platformDeleteFile(at("dir/inside.txt").c_str()), 1);
    EXPECT_EQ(platformRemoveFolder(at("dir").c_str()), 1);
    EXPECT_FALSE(fs::exists(root_ / "dir"));
    EXPECT_EQ(platformDeleteFile(nullptr), 0);
    EXPECT_EQ(platformRemoveFolder(nullptr), 0);
}

TEST_F(FolderTest, LinksAreMarkedAndDeletedThemselves) {
    ASSERT_EQ(platformCreateFolder(at("target").c_str()), 1);
    touch("target/kept.txt");
    fs::create_directory_symlink(root_ / "target", root_ / "link");
    const uint32_t attributes = platformFileAttributes(at("link").c_str());
    EXPECT_NE(attributes & PLATFORM_FILE_ATTRIBUTE_LINK, 0u);
    EXPECT_NE(attributes & PLATFORM_FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(platformFileAttributes(at("target").c_str()) & PLATFORM_FILE_ATTRIBUTE_LINK, 0u);
    EXPECT_EQ(platformDeleteFile(at("link").c_str()), 1);
    EXPECT_FALSE(fs::exists(fs::symlink_status(root_ / "link")));
    EXPECT_TRUE(fs::exists(root_ / "target" / "kept.txt"));

    // A link to nothing is still listed, and can be deleted.
    fs::create_symlink(root_ / "gone", root_ / "dangling");
    bool listed = false;
    for (const Listed& entry : list(wide(root_.string())))
        if (entry.name == u"dangling")
            listed = entry.attributes == (PLATFORM_FILE_ATTRIBUTE_LINK | PLATFORM_FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(listed);
    EXPECT_EQ(platformDeleteFile(at("dangling").c_str()), 1);
}

}  // namespace
