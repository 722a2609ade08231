// The per-user program folder and its first-run files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "shell/program_folder.h"
#include "shell_test_support.h"

namespace shell {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(ProgramFolder, IsTheConfigFolderOfTheUser) {
    testing::TemporaryConfig config;
    EXPECT_EQ(programFolder(), (config.root() / "orvana").u16string() + u"/");
    EXPECT_EQ(programFilePath(u"prefs.prf"), (config.root() / "orvana" / "prefs.prf").u16string());

    // Without XDG_CONFIG_HOME (or with a relative one) it is ~/.config/orvana.
    setenv("XDG_CONFIG_HOME", "relative/path", 1);
    const std::string home = std::getenv("HOME");
    EXPECT_EQ(programFolder(), (fs::path(home) / ".config" / "orvana").u16string() + u"/");
}

TEST(ProgramFolder, FirstRunCreatesTheFolderAndTheVariableNames) {
    testing::TemporaryConfig config;
    const fs::path folder = config.root() / "orvana";
    ASSERT_FALSE(fs::exists(folder));
    ASSERT_TRUE(prepareProgramFolder());
    ASSERT_TRUE(fs::is_directory(folder));
    const std::string names = contents(folder / "defvars.txt");
    EXPECT_EQ(names, defaultVariableNames());
    for (const char* name : {"velocity\n", "mass\n", "time\n", "rate\n", "total\n"})
        EXPECT_NE(names.find(name), std::string::npos) << name;
    // Every name fits the ten-character name field and is letters only.
    std::istringstream lines(names);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LE(line.size(), 10u) << line;
        for (char c : line) EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(c))) << line;
    }

    // A user's own list is never replaced.
    std::ofstream(folder / "defvars.txt") << "mine\n";
    ASSERT_TRUE(prepareProgramFolder());
    EXPECT_EQ(contents(folder / "defvars.txt"), "mine\n");
}

}  // namespace
}  // namespace shell
