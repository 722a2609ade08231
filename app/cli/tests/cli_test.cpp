// orvana-cli end to end: options, input, output and exit status.
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

// Runs orvana-cli through the shell with the given arguments and input.
CliResult runCli(const std::string& args, const std::string& input = "") {
    const std::string inputFile =
        (std::filesystem::temp_directory_path() / ("cli-in-" + std::to_string(getpid()))).string();
    {
        std::ofstream in(inputFile, std::ios::binary);
        in << input;
    }
    const std::string command =
        std::string(ORVANA_CLI_PATH) + " " + args + " < " + inputFile + " 2>&1";
    CliResult result{0, ""};
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::filesystem::remove(inputFile);
    return result;
}

const std::string kEmptyBlock = "--------------------------------R\n\n\n";

}  // namespace

TEST(Cli, ExpressionsAndStandardInputBecomeBlocks) {
    CliResult r = runCli("-e '1+1'");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "--------------------------------R\n1+1\n    \t 2.0000\n\n" + kEmptyBlock);

    r = runCli("", "a={1,2|3,4}\ninv(a)\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("inv(a)\n    \t-2.0000\t 1.0000\n    \t 1.5000\t-0.50000\n"),
              std::string::npos)
        << r.out;

    // -e lines run before the file's, CR LF input is accepted.
    r = runCli("-e 'b=10' - --no-answers", "b*2\r\n");
    EXPECT_EQ(r.out, "b=10\nb*2\n\n");
}

TEST(Cli, FormatsAnglesAndLineEnds) {
    CliResult r = runCli("--format 0x0103 -e 1234 --crlf");
    EXPECT_EQ(r.out.substr(0, 47), "--------------------------------R\r\n1234\r\n    \t ");
    EXPECT_NE(r.out.find(" 1.23E+003\r\n"), std::string::npos);

    r = runCli("--polar --deg -e '3+4*i'");
    EXPECT_NE(r.out.find("D\n3+4*i\n    \t 5.0000@53.130\xC2\xB0\n"), std::string::npos) << r.out;

    r = runCli("--format 0 -e '1/4' --define 'g/2=x*10+y' -e 'g(2,3)'");
    EXPECT_NE(r.out.find("\t 0.25\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("g(2,3)\n    \t 23\n"), std::string::npos) << r.out;
}

TEST(Cli, ErrorsInBlocksAreShownNotFatal) {
    CliResult r = runCli("-e 'inv({1,2|2,4})' -e '(7'");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\tError: Matrix singular or near sing.\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("(7\n    \tError: Missing parenthesis\n"), std::string::npos) << r.out;
}

TEST(Cli, BadOptionsAndUnreadableFilesExitWithTwo) {
    for (const char* args : {"--bogus", "--format", "--format 0x1FFFF", "--format abc",
                             "--define nothing", "--define 'f/7=x'", "a b",
                             "/no/such/file.txt", "--define 'det=1'"}) {
        CliResult r = runCli(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.out.find("orvana-cli: "), std::string::npos) << args;
        EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << args << ": one line only";
    }
    CliResult help = runCli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: orvana-cli"), std::string::npos);
}
