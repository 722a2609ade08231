// orvana-cli keeps what was typed and stored: long block texts survive a
// load and a save, saves go through symbolic links and say why they failed,
// and a damaged Workspace file is reported.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "cli_process.h"

namespace fs = std::filesystem;
using cli_test::run;

namespace {

class CliSaving : public cli_test::FolderTest {
protected:
    std::string bytes(const std::string& name) const { return cli_test::readFile(dir + "/" + name); }
    void write(const std::string& name, const std::string& data) const {
        std::ofstream(dir + "/" + name, std::ios::binary) << data;
    }
};

const std::string kLong = "c=" + std::string(60, '2') + "+" + std::string(60, '3');  // 123

}  // namespace

TEST_F(CliSaving, ALongBlockTextSurvivesLoadingAndSaving) {
    ASSERT_EQ(run({"-e", "a=1", "-e", kLong, "-e", "a+1", "--save", dir + "/long.ovw"}).status, 0);
    const std::string first = bytes("long.ovw");
    ASSERT_NE(first.find('2'), std::string::npos);

    const cli_test::Result loaded = run({dir + "/long.ovw", "--save", dir + "/again.ovw"});
    EXPECT_EQ(loaded.status, 0) << loaded.err;
    EXPECT_NE(loaded.out.find(kLong + "\n    \tError: Eqn too long. \n"), std::string::npos)
        << loaded.out;
    EXPECT_NE(loaded.out.find("a+1\n    \t 2.0000"), std::string::npos) << loaded.out;
    EXPECT_EQ(bytes("again.ovw"), first);
}

TEST_F(CliSaving, SavingThroughALinkWritesItsTarget) {
    fs::create_directories(dir + "/real");
    write("real/work.ovw", "old");
    fs::create_symlink("real/work.ovw", dir + "/link.ovw");
    const cli_test::Result r = run({"-e", "w=5", "--save", "link.ovw"}, "", dir);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::is_symlink(dir + "/link.ovw"));
    EXPECT_NE(bytes("real/work.ovw"), "old");
    const cli_test::Result back = run({"real/work.ovw", "-e", "w*2"}, "", dir);
    EXPECT_NE(back.out.find(" 10.000"), std::string::npos) << back.out;
}

TEST_F(CliSaving, ASaveThatFailsSaysWhyAndKeepsTheOldFile) {
    fs::create_directories(dir + "/folder.ovw");
    struct Row {
        std::string target;
        const char* reason;
    } rows[] = {
        {dir + "/no/such/folder/w.ovw", "No such file or directory"},
        {dir + "/folder.ovw", "Is a directory"},
    };
    for (const Row& row : rows) {
        const cli_test::Result r = run({"-e", "1", "--save", row.target});
        EXPECT_EQ(r.status, 1) << row.target;
        EXPECT_NE(r.err.find("Can't save workspace."), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(row.reason), std::string::npos) << r.err;
    }
    EXPECT_TRUE(fs::is_directory(dir + "/folder.ovw"));
}

TEST_F(CliSaving, ADamagedFileLoadsWhatItHoldsAndSaysSo) {
    std::vector<std::string> args = {"--save", dir + "/whole.ovw"};
    for (const char* line : {"b1=1", "b2=2", "b3=3", "b4=4", "b5=5", "b6=6"})
        args.insert(args.end(), {"-e", line});
    ASSERT_EQ(run(args).status, 0);
    const std::string whole = bytes("whole.ovw");
    // Cut inside the fifth block record.
    const size_t fifth = whole.find(std::string("b\0" "5\0", 4));
    ASSERT_NE(fifth, std::string::npos);
    write("cut.ovw", whole.substr(0, fifth + 2));

    const cli_test::Result r = run({dir + "/cut.ovw"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("cut.ovw is incomplete: 4 blocks read"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("b4=4"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("b5=5"), std::string::npos) << r.out;

    const cli_test::Result fine = run({dir + "/whole.ovw"});
    EXPECT_EQ(fine.err, "");
}
