#include "cli_process.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace cli_test {
namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void execCli(const std::vector<std::string>& args, const std::string& folder,
                          const Environment& environment) {
    if (!folder.empty() && chdir(folder.c_str()) != 0) _exit(126);
    for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(ORVANA_CLI_PATH));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(ORVANA_CLI_PATH, argv.data());
    _exit(127);
}

int exitStatus(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

// Waits for the child until the deadline; kills it when it is passed.
int reap(pid_t child, Clock::time_point deadline) {
    int status = 0;
    for (;;) {
        const pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child) return exitStatus(status);
        if (done < 0) return -1;
        if (Clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

}  // namespace

Result run(const std::vector<std::string>& args, const std::string& input,
           const std::string& folder, const Environment& environment, int interruptAfterMs,
           int timeoutSeconds) {
    Result result;
    int out[2], err[2];
    if (pipe(out) != 0 || pipe(err) != 0) return result;
    // The input goes through a file, so that a program that does not read it
    // never blocks the test.
    const std::string inputFile =
        (std::filesystem::temp_directory_path() / ("cli-input-" + std::to_string(getpid())))
            .string();
    std::ofstream(inputFile, std::ios::binary) << input;
    const pid_t child = fork();
    if (child == 0) {
        const int in = open(inputFile.c_str(), O_RDONLY);
        dup2(in, 0);
        dup2(out[1], 1);
        dup2(err[1], 2);
        close(out[0]);
        close(err[0]);
        execCli(args, folder, environment);
    }
    close(out[1]);
    close(err[1]);
    const Clock::time_point start = Clock::now();
    const Clock::time_point deadline = start + std::chrono::seconds(timeoutSeconds);
    bool interruptDue = interruptAfterMs >= 0;
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    int open = 2;
    while (open > 0 && Clock::now() < deadline) {
        if (interruptDue && Clock::now() - start >= std::chrono::milliseconds(interruptAfterMs)) {
            kill(child, SIGINT);
            interruptDue = false;
        }
        if (poll(fds, 2, 20) <= 0) continue;
        for (int k = 0; k < 2; ++k) {
            if (fds[k].fd < 0 || fds[k].revents == 0) continue;
            char buffer[4096];
            const ssize_t n = read(fds[k].fd, buffer, sizeof buffer);
            if (n > 0) {
                (k == 0 ? result.out : result.err).append(buffer, size_t(n));
            } else {
                close(fds[k].fd);
                fds[k].fd = -1;
                --open;
            }
        }
    }
    for (const pollfd& f : fds)
        if (f.fd >= 0) close(f.fd);
    result.status = reap(child, deadline);
    std::filesystem::remove(inputFile);
    return result;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> slowFunctions() {
    std::vector<std::string> args = {"--define", "fa/1=x+1"};
    std::string previous = "fa";
    for (char c = 'b'; c <= 'z'; ++c) {
        const std::string name = std::string("f") + c;
        args.insert(args.end(), {"--define", name + "/1=" + previous + "(x)+" + previous + "(x)"});
        previous = name;
    }
    return args;
}

void FolderTest::SetUp() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvana-cli-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
}

void FolderTest::TearDown() { std::filesystem::remove_all(dir); }

Terminal::Terminal(const std::vector<std::string>& args, const std::string& folder,
                   const Environment& environment) {
    winsize size{};
    size.ws_row = 40;
    size.ws_col = 120;
    child_ = forkpty(&master_, nullptr, nullptr, &size);
    if (child_ == 0) {
        setenv("TERM", "dumb", 1);
        execCli(args, folder, environment);
    }
}

Terminal::~Terminal() {
    if (child_ > 0) {
        kill(child_, SIGKILL);
        waitpid(child_, nullptr, 0);
    }
    if (master_ >= 0) close(master_);
}

bool Terminal::readSome(int timeoutMs) {
    pollfd fd{master_, POLLIN, 0};
    if (poll(&fd, 1, timeoutMs) <= 0) return true;
    char buffer[4096];
    const ssize_t n = read(master_, buffer, sizeof buffer);
    if (n <= 0) return errno == EINTR;  // EIO: the program has ended
    transcript_.append(buffer, size_t(n));
    return true;
}

bool Terminal::waitFor(const std::string& text, int timeoutSeconds) {
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(timeoutSeconds);
    for (;;) {
        const size_t at = transcript_.find(text, consumed_);
        if (at != std::string::npos) {
            consumed_ = at + text.size();
            return true;
        }
        if (Clock::now() > deadline || !readSome(100)) return false;
    }
}

void Terminal::send(const std::string& text) {
    if (master_ >= 0 && write(master_, text.data(), text.size()) < 0) return;
}

int Terminal::finish(bool endInput, int timeoutSeconds) {
    if (endInput) send("\x04");
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(timeoutSeconds);
    int status = 0;
    while (Clock::now() < deadline) {
        readSome(20);
        const pid_t done = waitpid(child_, &status, WNOHANG);
        if (done == child_) {
            child_ = -1;
            while (readSome(20) && transcript_.size() < (1u << 24)) {
                pollfd fd{master_, POLLIN, 0};
                if (poll(&fd, 1, 0) <= 0) break;
            }
            return exitStatus(status);
        }
    }
    return -1;
}

}  // namespace cli_test
