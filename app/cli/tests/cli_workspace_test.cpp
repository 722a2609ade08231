// orvana-cli with Workspace files: loading, saving, running from a block,
// Workspace calls from the script folder and an interrupt as a tap.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

struct CliResult {
    int status;
    std::string out;
};

// Runs a shell command line in which CLI stands for orvana-cli; standard
// error is kept apart from standard output unless the command merges them.
CliResult shell(const std::string& command) {
    std::string line = command;
    for (size_t at; (at = line.find("CLI")) != std::string::npos;)
        line.replace(at, 3, ORVANA_CLI_PATH);
    CliResult result{0, ""};
    FILE* pipe = popen(
        ("cd " + std::filesystem::temp_directory_path().string() + " && " + line + " < /dev/null")
            .c_str(),
        "r");
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

class CliWorkspace : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "cli-ws-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string dir;
};

}  // namespace

TEST_F(CliWorkspace, SavedWorkspaceLoadsBackWithTheSameExport) {
    const CliResult first = shell(
        "CLI -e 'm={1,2|3,4}' -e 'c=3+4*i' -e 's=\"text\"' -e 'det(m)' --define sq/1='x*x' "
        "-e 'sq(5)' --save " +
        dir + "/w.ovw");
    ASSERT_EQ(first.status, 0) << first.out;
    ASSERT_TRUE(std::filesystem::exists(dir + "/w.ovw"));
    const CliResult second = shell("CLI " + dir + "/w.ovw --save " + dir + "/again.ovw");
    ASSERT_EQ(second.status, 0) << second.out;
    EXPECT_EQ(second.out, first.out);
    std::ifstream a(dir + "/w.ovw", std::ios::binary), b(dir + "/again.ovw", std::ios::binary);
    const std::string bytesA((std::istreambuf_iterator<char>(a)), {});
    const std::string bytesB((std::istreambuf_iterator<char>(b)), {});
    EXPECT_EQ(bytesA, bytesB);
    // Lines given with -e go after the loaded blocks.
    const CliResult more = shell("CLI " + dir + "/w.ovw -e 'sq(c)'");
    EXPECT_NE(more.out.find("-7.0000+24.000i"), std::string::npos) << more.out;
}

TEST_F(CliWorkspace, RunFromRunsTheWorkspaceAsAScript) {
    ASSERT_EQ(shell("CLI -e 'n=0' -e 'WHILE(3-n)' -e 'n=n+1' -e 'END' -e 'n*10' --save " + dir +
                    "/loop.ovw")
                  .status,
              0);
    const CliResult plain = shell("CLI " + dir + "/loop.ovw");
    EXPECT_EQ(plain.out.find(" 30.000"), std::string::npos) << plain.out;
    const CliResult run = shell("CLI --run-from 1 " + dir + "/loop.ovw");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("n*10\n    \t 30.000"), std::string::npos) << run.out;
    EXPECT_EQ(shell("CLI --run-from 9 " + dir + "/loop.ovw 2>&1").status, 2);
    EXPECT_EQ(shell("CLI --run-from 0 -e 1 2>&1").status, 2);
}

TEST_F(CliWorkspace, ScriptDirHoldsTheWorkspacesCalled) {
    ASSERT_EQ(shell("CLI -e 'RETURN(2*x)' --save " + dir + "/Twice.ovw").status, 0);
    const CliResult call = shell("CLI --script-dir " + dir + " -e 'Twice(21)' -e 'save(\"Vars\")'");
    EXPECT_EQ(call.status, 0);
    EXPECT_NE(call.out.find(" 42.000"), std::string::npos) << call.out;
    EXPECT_TRUE(std::filesystem::exists(dir + "/Vars.ovw"));
}

TEST_F(CliWorkspace, FailuresGiveMessagesAndExitCodes) {
    const CliResult missing = shell("CLI " + dir + "/missing.ovw 2>&1");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.out.find("Can't open the file"), std::string::npos) << missing.out;
    const CliResult unsaved = shell("CLI -e 1 --save " + dir + "/no/such/dir.ovw 2>&1");
    EXPECT_EQ(unsaved.status, 1);
    EXPECT_NE(unsaved.out.find("Can't save workspace."), std::string::npos) << unsaved.out;
    EXPECT_EQ(shell("CLI --save out.txt -e 1 2>&1").status, 2);
}

TEST_F(CliWorkspace, AnInterruptStopsARunningScript) {
    ASSERT_EQ(
        shell("CLI -e 'k=0' -e 'WHILE(1)' -e 'k=k+1' -e 'END' --save " + dir + "/spin.ovw").status,
        0);
    const CliResult run = shell("(timeout 20 CLI --run-from 1 " + dir +
                                "/spin.ovw 2>&1 & pid=$!; sleep 1; "
                                "kill -INT $pid; wait $pid)");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("because the screen was tapped"), std::string::npos) << run.out;
}
