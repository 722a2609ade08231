// orvana-cli in pipelines and scripts: lines longer than a block holds,
// --each, the start-up checks of options and paths, an interrupted run, the
// usage text and the README's examples.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "cli_process.h"

namespace fs = std::filesystem;
using cli_test::run;

namespace {

using CliPipeline = cli_test::FolderTest;

// "1+1+...+1" with n ones: 2n - 1 characters.
std::string sumOfOnes(int n) {
    std::string text = "1";
    for (int i = 1; i < n; ++i) text += "+1";
    return text;
}

int lineCount(const std::string& text) {
    return int(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

TEST_F(CliPipeline, ALineLongerThanABlockIsKeptAndNotEvaluated) {
    const std::string fits = "b=" + sumOfOnes(48);  // 97 characters
    const std::string tooLong = "a=" + sumOfOnes(60);  // 121 characters
    const cli_test::Result r = run({}, fits + "\n" + tooLong + "\na\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find(fits + "\n    \t 48.000\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(tooLong + "\n    \tError: Eqn too long. \n"), std::string::npos) << r.out;
    // a was never assigned: the cut text was not run.
    EXPECT_NE(r.out.find("a\n    \tError: "), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find(" 49.000"), std::string::npos) << r.out;

    const cli_test::Result each = run({"--each"}, tooLong + "\n");
    EXPECT_EQ(each.out, "Error: Eqn too long. \n");
}

TEST_F(CliPipeline, EachPrintsOneAnswerPerLine) {
    std::string input;
    for (int i = 1; i <= 150; ++i) input += std::to_string(i) + "\n";
    cli_test::Result r = run({"--each"}, input);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(lineCount(r.out), 150);
    EXPECT_EQ(r.out.substr(0, 14), "1.0000\n2.0000\n");
    EXPECT_NE(r.out.find("\n150.00\n"), std::string::npos);
    EXPECT_EQ(r.err, "");

    struct Row {
        const char* line;
        const char* answer;
    } rows[] = {
        {"{1,2|3,4}", "{1.0000,2.0000|3.0000,4.0000}"},
        {"\"text\"", "text"},
        {"(7", "Error: Missing parenthesis"},
        {"", ""},
        {"inv({1,2|2,4})", "Error: Matrix singular or near sing."},
    };
    input.clear();
    std::string expected;
    for (const Row& row : rows) {
        input += std::string(row.line) + "\n";
        expected += std::string(row.answer) + "\n";
    }
    r = run({"--each", "-e", "x=3", "-"}, input);
    EXPECT_EQ(r.out, "3.0000\n" + expected);
    // Answers come as soon as each line is computed, not at the end of input:
    // the input stays open while the first answer is awaited.
    cli_test::Terminal t({"--each"}, dir, {});
    t.send("6*7\n");
    EXPECT_TRUE(t.waitFor("42.000")) << t.transcript();
    t.send("1+1\n");
    EXPECT_TRUE(t.waitFor("2.0000")) << t.transcript();
    EXPECT_EQ(t.finish(), 0);
}

TEST_F(CliPipeline, MoreThanAWorkspaceHoldsIsReported) {
    std::string input;
    for (int i = 1; i <= 150; ++i) input += std::to_string(i) + "\n";
    const cli_test::Result r = run({}, input);
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("the 50 oldest blocks were dropped"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("--each"), std::string::npos) << r.err;
}

TEST_F(CliPipeline, StartUpChecksGiveOneLineAndExitTwo) {
    fs::create_directories(dir + "/folder");
    struct Row {
        std::vector<std::string> args;
        const char* reason;
    } rows[] = {
        {{dir + "/folder"}, "is a folder"},
        {{"--format", "0x00FF", "-e", "1"}, "--format"},
        {{"--format", "0x0605", "-e", "1"}, "--format"},
        {{"--format", "0x0307", "--format", "0x0309", "-e", "1"}, "--format"},
        {{"--range", "5,1,0,1", "-e", "1"}, "--range"},
        {{"--range", "0,1,2,2", "-e", "1"}, "--range"},
        {{"--range", "a,b,c,d", "-e", "1"}, "--range"},
        {{"--range", "0,1,nan,2", "-e", "1"}, "--range"},
        {{"--script-dir", dir + "/missing", "-e", "1"}, "--script-dir"},
    };
    for (const Row& row : rows) {
        const cli_test::Result r = run(row.args);
        EXPECT_EQ(r.status, 2) << row.reason;
        EXPECT_EQ(r.out, "") << row.reason;
        EXPECT_NE(r.err.find(row.reason), std::string::npos) << r.err;
        EXPECT_EQ(lineCount(r.err), 1) << r.err;
    }
    for (const char* format : {"0", "0x0005", "0x0103", "0x030A", "0x0500", "0x020E"})
        EXPECT_EQ(run({"--format", format, "-e", "1"}).status, 0) << format;
}

TEST_F(CliPipeline, WorkspaceFilesAreKnownInAnyCase) {
    ASSERT_EQ(run({"-e", "q=12", "--save", dir + "/Upper.OVW"}).status, 0);
    const cli_test::Result r = run({dir + "/Upper.OVW", "-e", "q/4"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("q/4\n    \t 3.0000"), std::string::npos) << r.out;
}

TEST_F(CliPipeline, AScriptThatDoesNotLinkFailsTheRun) {
    // An END without its WHILE or IF.
    ASSERT_EQ(run({"-e", "1", "-e", "END", "--save", dir + "/stray.ovw"}).status, 0);
    const cli_test::Result r = run({"--run-from", "1", dir + "/stray.ovw"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Missing WHILE, IF, ELSE, or END"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("--run-from: the script did not run"), std::string::npos) << r.err;
}

TEST_F(CliPipeline, WithoutKeypadsTheProgramSaysWhereItLooked) {
    const std::string lonely = dir + "/lonely";
    fs::create_directories(lonely);
    const fs::path built = fs::path(ORVANA_CLI_PATH).parent_path();
    for (const char* file : {"orvana-cli", "liblattix.so", "libplatform.so"})
        fs::copy_file(built / file, fs::path(lonely) / file);
    const std::string command = lonely + "/orvana-cli -e 1+1 2>&1 >/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string err;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) err += buffer;
    const int status = pclose(pipe);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_NE(err.find("no keypads found"), std::string::npos) << err;
    EXPECT_NE(err.find(lonely), std::string::npos) << err;
}

TEST_F(CliPipeline, CtrlCStopsAPipedRunWithoutSaving) {
    std::vector<std::string> args = cli_test::slowFunctions();
    args.insert(args.end(), {"--save", dir + "/never.ovw", "-"});
    const cli_test::Result r = run(args, "v=1\nfz(1)\nv+1\n", dir, {}, 1000);
    EXPECT_EQ(r.status, 130);
    EXPECT_NE(r.out.find("fz(1)\n    \tError: Interrupted"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("v+1"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("interrupted: 1 line(s) not evaluated"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir + "/never.ovw"));
}

TEST_F(CliPipeline, HelpIsGroupedAndExplainsFormats) {
    const cli_test::Result r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    size_t at = 0;
    for (const char* group : {"Input:", "Display:", "Files:", "Graph:", "Other:"}) {
        const size_t found = r.out.find(std::string("\n") + group + "\n");
        EXPECT_NE(found, std::string::npos) << group;
        EXPECT_GT(found, at) << group << " out of order";
        at = found;
    }
    for (const char* word : {"Floating", "Scientific", "Engineering", "Fractions", "Hexadecimal",
                             "Fixed", "--each", "--version"})
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
    const cli_test::Result v = run({"--version"});
    EXPECT_EQ(v.status, 0);
    EXPECT_EQ(v.out.rfind("orvana-cli ", 0), 0u) << v.out;
}

TEST_F(CliPipeline, TheReadmeExamplesWorkAsWritten) {
    std::ifstream readme(ORVANA_README_PATH);
    ASSERT_TRUE(readme.good());
    std::vector<std::string> examples;
    for (std::string line; std::getline(readme, line);)
        if (line.rfind("    ", 0) == 0 && line.find("build/bin/orvana-cli") != std::string::npos)
            examples.push_back(line);
    ASSERT_GE(examples.size(), 5u);
    for (std::string example : examples) {
        const std::string original = example;
        const std::string program = ORVANA_CLI_PATH;
        for (size_t at = 0; (at = example.find("build/bin/orvana-cli", at)) != std::string::npos;
             at += program.size())
            example.replace(at, 20, program);
        const std::string command =
            "cd " + dir + " && (\n" + example + "\n) < /dev/null > out.txt 2> err.txt";
        const int status = std::system(command.c_str());
        const std::string out = cli_test::readFile(dir + "/out.txt");
        const std::string err = cli_test::readFile(dir + "/err.txt");
        EXPECT_EQ(WEXITSTATUS(status), 0) << original << "\n" << err;
        EXPECT_EQ(err, "") << original;
        EXPECT_NE(out, "") << original;
        EXPECT_EQ(out.find("Error:"), std::string::npos) << original << "\n" << out;
    }
}
