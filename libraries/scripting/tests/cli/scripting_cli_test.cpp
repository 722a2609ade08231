// Scripts that use the scripting keypad, end to end through orvana-cli,
// which loads the module from its own folder as the program does.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

struct CliResult {
    int status;
    std::string out;
};

// Runs a shell command line in which CLI stands for orvana-cli, with no
// terminal on standard input.
CliResult shell(const std::string& command) {
    std::string line = command;
    for (size_t at; (at = line.find("CLI")) != std::string::npos;)
        line.replace(at, 3, ORVANA_CLI_PATH);
    CliResult result{0, ""};
    FILE* pipe = popen(("(" + line + ") < /dev/null 2>&1").c_str(), "r");
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// The -e options of the lines, each quoted for the shell.
std::string lines(std::initializer_list<const char*> texts) {
    std::string out;
    for (const char* text : texts) out += std::string(" -e '") + text + "'";
    return out;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class ScriptingCli : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "scripting-cli-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string dir;
};

}  // namespace

// The steps of the 3n+1 sequence down to 1: a loop with a condition and a
// branch inside it, in a Workspace called as a function.
TEST_F(ScriptingCli, ACalledWorkspaceLoopsAndBranchesOnComparisons) {
    const CliResult saved = shell("CLI" +
                                  lines({"LOCAL(\"nk\")", "n=x", "k=0", "WHILE(n_GT_1)",
                                         "IF(mod(n,2)_EQ_0)", "n=n/2", "ELSE", "n=3*n+1", "END",
                                         "k=k+1", "END", "RETURN(k)"}) +
                                  " --save " + dir + "/Steps.ovw");
    ASSERT_EQ(saved.status, 0) << saved.out;
    const CliResult run = shell("CLI --script-dir " + dir +
                                lines({"Steps(6)", "Steps(27)", "Steps(1)", "isvar(\"k\")"}));
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(contains(run.out, "Steps(6)\n    \t 8.0000")) << run.out;
    EXPECT_TRUE(contains(run.out, "Steps(27)\n    \t 111.00")) << run.out;
    EXPECT_TRUE(contains(run.out, "Steps(1)\n    \t 0.0000")) << run.out;
    // k was the call's local.
    EXPECT_TRUE(contains(run.out, "isvar(\"k\")\n    \t 0.0000")) << run.out;
}

// A Workspace run in place: counting down with FOR and summing the odd
// numbers with a comparison, then ASK without a terminal.
TEST_F(ScriptingCli, AWorkspaceRunsInPlaceAndAskAnswersCancelWithoutATerminal) {
    const CliResult saved =
        shell("CLI" +
              lines({"s=0", "FOR(\"j\",9,-1,1)", "IF(mod(j,2)_NE_0)", "s=s+j", "END", "END",
                     "s*(s_GE_25)", "v=7", "ASK(\"Go on?\")", "ASK(\"v is\",\"v\")", "v"}) +
              " --save " + dir + "/Sum.ovw");
    ASSERT_EQ(saved.status, 0) << saved.out;
    const CliResult run = shell("CLI --run-from 1 " + dir + "/Sum.ovw");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(contains(run.out, "s*(s_GE_25)\n    \t 25.000")) << run.out;
    EXPECT_TRUE(contains(run.out, "ASK(\"Go on?\")\n    \t 0.0000")) << run.out;
    EXPECT_TRUE(contains(run.out, "ASK(\"v is\",\"v\")\n    \t 0.0000")) << run.out;
    EXPECT_TRUE(contains(run.out, "v\n    \t 7.0000")) << run.out;
}
