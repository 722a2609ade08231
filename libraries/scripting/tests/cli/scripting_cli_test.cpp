// Scripts that use the scripting keypad, end to end through orvana-cli,
// which loads the module from its own folder as the program does.
#include <gtest/gtest.h>

#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

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

// orvana-cli with a terminal on its standard input: each time the output so
// far ends with a prompt, the next reply is typed. Gives all the output.
class Terminal {
  public:
    explicit Terminal(const std::vector<std::string>& arguments) {
        pid_ = forkpty(&fd_, nullptr, nullptr, nullptr);
        if (pid_ == 0) {
            std::vector<char*> argv{const_cast<char*>(ORVANA_CLI_PATH)};
            for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            execv(ORVANA_CLI_PATH, argv.data());
            _exit(127);
        }
    }
    ~Terminal() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (fd_ >= 0) close(fd_);
    }
    bool started() const { return pid_ > 0; }

    // Reads until `text` has appeared after what was read before (false
    // after 10 seconds or at the end of output).
    bool waitFor(const std::string& text) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (output_.find(text, mark_) == std::string::npos) {
            if (std::chrono::steady_clock::now() > end || !readSome(100)) return false;
        }
        mark_ = output_.find(text, mark_) + text.size();
        return true;
    }
    void type(const std::string& keys) {
        EXPECT_EQ(write(fd_, keys.data(), keys.size()), ssize_t(keys.size()));
    }
    // Everything up to the end of the program's output; its exit status, or
    // -1 when it has not ended 10 quiet seconds later (it is then killed).
    int finish() {
        while (readSome(10000)) {
        }
        int status = 0;
        for (int tries = 0; waitpid(pid_, &status, WNOHANG) != pid_; ++tries) {
            if (tries == 100) return -1;
            usleep(50000);
        }
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    const std::string& output() const { return output_; }

  private:
    bool readSome(int milliseconds) {
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, milliseconds) <= 0) return false;
        char buffer[4096];
        const ssize_t n = read(fd_, buffer, sizeof buffer);
        if (n <= 0) return false;
        output_.append(buffer, size_t(n));
        return true;
    }
    pid_t pid_ = -1;
    int fd_ = -1;
    std::string output_;
    size_t mark_ = 0;
};

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

// On a terminal, ASK prints its prompts and reads the answers: each value
// starts as the variable's current one, ready for editing.
TEST(ScriptingTerminal, AskReadsItsAnswersFromTheTerminal) {
    Terminal terminal({"-e", "v=7", "-e", "w=2", "-e", "ASK(\"Width\",\"v\",\"Height\",\"w\")",
                       "-e", "ASK(\"More?\")", "-e", "ASK(\"More?\")", "-e", "100*v+w"});
    ASSERT_TRUE(terminal.started());
    ASSERT_TRUE(terminal.waitFor("Width"));
    ASSERT_TRUE(terminal.waitFor("> 7"));
    // Ctrl-U clears the offered value.
    terminal.type("\x15v*6\r");
    ASSERT_TRUE(terminal.waitFor("Height"));
    ASSERT_TRUE(terminal.waitFor("> 2"));
    // Enter keeps it.
    terminal.type("\r");
    ASSERT_TRUE(terminal.waitFor("Orvana: More?"));
    ASSERT_TRUE(terminal.waitFor("(y/n) "));
    terminal.type("y\r");
    ASSERT_TRUE(terminal.waitFor("(y/n) "));
    terminal.type("n\r");
    EXPECT_EQ(terminal.finish(), 0);
    const std::string& out = terminal.output();
    EXPECT_TRUE(contains(out, "ASK(\"Width\",\"v\",\"Height\",\"w\")\r\n    \t 1.0000")) << out;
    EXPECT_TRUE(contains(out, "ASK(\"More?\")\r\n    \t 1.0000")) << out;
    EXPECT_TRUE(contains(out, "ASK(\"More?\")\r\n    \t 0.0000")) << out;
    EXPECT_TRUE(contains(out, "100*v+w\r\n    \t 4202.0")) << out;
}

// The end of input at a prompt cancels it.
TEST(ScriptingTerminal, EndOfInputCancelsTheDialog) {
    Terminal terminal({"-e", "v=7", "-e", "ASK(\"Width\",\"v\")", "-e", "v"});
    ASSERT_TRUE(terminal.started());
    ASSERT_TRUE(terminal.waitFor("> 7"));
    terminal.type("\x15\x04");
    EXPECT_EQ(terminal.finish(), 0);
    const std::string& out = terminal.output();
    EXPECT_TRUE(contains(out, "ASK(\"Width\",\"v\")\r\n    \t 0.0000")) << out;
    EXPECT_TRUE(contains(out, "v\r\n    \t 7.0000")) << out;
}
