// Running the built orvana-cli in tests: through pipes (standard output and
// standard error apart), and on a pseudo-terminal for the interactive
// session. Every wait has a deadline, so a hung program fails the test
// instead of stopping the run.
#ifndef ORVANA_CLI_TESTS_CLI_PROCESS_H
#define ORVANA_CLI_TESTS_CLI_PROCESS_H

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <sys/types.h>

namespace cli_test {

struct Result {
    int status = -1;  // the exit status; 128 + n for a signal n; -1 when it hung
    std::string out;
    std::string err;
};

using Environment = std::vector<std::pair<std::string, std::string>>;

// Runs orvana-cli with `args`, `input` on its standard input, in `folder`
// (empty: the current one) and with `environment` added; with
// `interruptAfterMs` >= 0 it gets a SIGINT that many milliseconds after the
// start.
Result run(const std::vector<std::string>& args, const std::string& input = "",
           const std::string& folder = "", const Environment& environment = {},
           int interruptAfterMs = -1, int timeoutSeconds = 60);

// The whole contents of a file (empty when it cannot be read).
std::string readFile(const std::string& path);

// --define options for functions fa to fz, each calling the one before it
// twice: fz(1) runs for seconds, all of it in the evaluator.
std::vector<std::string> slowFunctions();

// A fixture with a fresh folder of its own, removed afterwards.
class FolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string dir;
};

// orvana-cli on a pseudo-terminal.
class Terminal {
public:
    Terminal(const std::vector<std::string>& args, const std::string& folder,
             const Environment& environment);
    ~Terminal();
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    // Reads until `text` has appeared after what earlier waits consumed;
    // false when the deadline passed or the program ended first.
    bool waitFor(const std::string& text, int timeoutSeconds = 30);
    void send(const std::string& text);
    // Ctrl-C as the terminal sends it.
    void interrupt() { send("\x03"); }
    // Waits for the program to end (sending end of input first when
    // `endInput`); its exit status, or -1 when it did not end in time.
    int finish(bool endInput = true, int timeoutSeconds = 30);
    // Everything the program wrote so far.
    const std::string& transcript() const { return transcript_; }

private:
    bool readSome(int timeoutMs);

    int master_ = -1;
    pid_t child_ = -1;
    std::string transcript_;
    size_t consumed_ = 0;
};

}  // namespace cli_test

#endif
