// orvana-cli's interactive session on a pseudo-terminal: the banner, the
// prompt commands, saving at the end, history, and Ctrl-C at the prompt and
// during an evaluation.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "cli_process.h"

namespace fs = std::filesystem;
using cli_test::Terminal;

namespace {

class CliTerminal : public cli_test::FolderTest {
protected:
    void SetUp() override {
        FolderTest::SetUp();
        environment = {{"XDG_STATE_HOME", dir + "/state"}, {"HOME", dir}};
    }
    cli_test::Environment environment;
};

}  // namespace

TEST_F(CliTerminal, BannerHelpAndFunctionsAtThePrompt) {
    Terminal t({}, dir, environment);
    ASSERT_TRUE(t.waitFor("orvana-cli ")) << t.transcript();
    ASSERT_TRUE(t.waitFor(":help")) << t.transcript();
    ASSERT_TRUE(t.waitFor("orvana> ")) << t.transcript();
    t.send(":help\n");
    EXPECT_TRUE(t.waitFor(":functions")) << t.transcript();
    EXPECT_TRUE(t.waitFor("Ctrl-C")) << t.transcript();
    t.send(":help inv\n");
    EXPECT_TRUE(t.waitFor("inv (main program): inv(")) << t.transcript();
    t.send(":help eig\n");
    EXPECT_TRUE(t.waitFor("eig (Advanced): eig(a)")) << t.transcript();
    t.send(":help nosuchname\n");
    EXPECT_TRUE(t.waitFor("no function or keyword named nosuchname")) << t.transcript();
    t.send(":functions\n");
    EXPECT_TRUE(t.waitFor("Main program (")) << t.transcript();
    EXPECT_TRUE(t.waitFor("WHILE")) << t.transcript();
    // Every keypad lists the names it answers, in load order.
    for (const char* group : {"Advanced (", "Conversion (", "Hexadecimal (", "Scientific (",
                              "Statistics (", "graphing (", "scripting ("})
        EXPECT_TRUE(t.waitFor(group)) << group << "\n" << t.transcript();
    for (const char* name : {" eig", " FT ", " AND ", " sin ", " avg ", " plot", " ASK "})
        EXPECT_NE(t.transcript().find(name), std::string::npos) << name;
    t.send(":help sin\n");
    EXPECT_TRUE(t.waitFor("sin (Scientific): ")) << t.transcript();
    t.send(":bogus\n");
    EXPECT_TRUE(t.waitFor("unknown command :bogus")) << t.transcript();
    t.send("2+3\n");
    EXPECT_TRUE(t.waitFor("5.0000")) << t.transcript();
    t.send(":quit\n");
    EXPECT_EQ(t.finish(false), 0) << t.transcript();
}

TEST_F(CliTerminal, SaveAtThePromptAndWhenTheSessionEnds) {
    {
        Terminal t({"--save", "end.ovw", "--curves", "curves.csv", "--graph", "1"}, dir,
                   environment);
        ASSERT_TRUE(t.waitFor("orvana> ")) << t.transcript();
        t.send("sin(x)\n");
        ASSERT_TRUE(t.waitFor("orvana> ")) << t.transcript();
        t.send(":save mid.ovw\n");
        EXPECT_TRUE(t.waitFor("saved mid.ovw")) << t.transcript();
        t.send("k=42\n");
        ASSERT_TRUE(t.waitFor("42.000")) << t.transcript();
        t.send(":save not-a-workspace.txt\n");
        EXPECT_TRUE(t.waitFor("must end in .ovw")) << t.transcript();
        ASSERT_TRUE(t.waitFor("orvana> ")) << t.transcript();
        EXPECT_EQ(t.finish(), 0) << t.transcript();  // end of input
        EXPECT_NE(t.transcript().find("saved end.ovw"), std::string::npos) << t.transcript();
    }
    EXPECT_TRUE(fs::exists(dir + "/mid.ovw"));
    EXPECT_TRUE(fs::exists(dir + "/end.ovw"));
    EXPECT_EQ(cli_test::readFile(dir + "/curves.csv").rfind("curve,block,colour,x,y", 0), 0u);

    // The saved Workspace opens interactively and goes on; :save without a
    // name writes back to it.
    Terminal t({"end.ovw"}, dir, environment);
    ASSERT_TRUE(t.waitFor("k=42")) << t.transcript();
    ASSERT_TRUE(t.waitFor("orvana> ")) << t.transcript();
    t.send("k+1\n");
    EXPECT_TRUE(t.waitFor("43.000")) << t.transcript();
    t.send(":save\n");
    EXPECT_TRUE(t.waitFor("saved end.ovw")) << t.transcript();
    t.send(":quit\n");
    EXPECT_EQ(t.finish(false), 0) << t.transcript();
    // The line typed after the reload is in the file.
    const cli_test::Result saved = cli_test::run({"end.ovw"}, "", dir);
    EXPECT_NE(saved.out.find("k+1\n    \t 43.000"), std::string::npos) << saved.out;
}

TEST_F(CliTerminal, CtrlCClearsTheLineAndKeepsTheSession) {
    Terminal t({}, dir, environment);
    ASSERT_TRUE(t.waitFor("orvana> ")) << t.transcript();
    t.send("a=7\n");
    ASSERT_TRUE(t.waitFor("7.0000")) << t.transcript();
    ASSERT_TRUE(t.waitFor("orvana> ")) << t.transcript();
    t.send("1000+");
    ASSERT_TRUE(t.waitFor("1000+")) << t.transcript();
    t.interrupt();
    ASSERT_TRUE(t.waitFor("^C")) << t.transcript();
    t.send("a*2\n");
    EXPECT_TRUE(t.waitFor(" 14.000")) << t.transcript();
    t.send(":quit\n");
    EXPECT_EQ(t.finish(false), 0) << t.transcript();
    EXPECT_EQ(t.transcript().find("1014"), std::string::npos) << t.transcript();
}

TEST_F(CliTerminal, CtrlCStopsALongEvaluationAndTheSessionGoesOn) {
    Terminal t(cli_test::slowFunctions(), dir, environment);
    ASSERT_TRUE(t.waitFor("orvana> ")) << t.transcript();
    t.send("b=5\n");
    ASSERT_TRUE(t.waitFor("5.0000")) << t.transcript();
    t.send("fz(1)\n");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const auto start = std::chrono::steady_clock::now();
    t.interrupt();
    EXPECT_TRUE(t.waitFor("Error: Interrupted")) << t.transcript();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    ASSERT_TRUE(t.waitFor("orvana> ")) << t.transcript();
    t.send("b*3\n");
    EXPECT_TRUE(t.waitFor("15.000")) << t.transcript();
    t.send(":quit\n");
    EXPECT_EQ(t.finish(false), 0) << t.transcript();
}

TEST_F(CliTerminal, ErrorsPointAtTheFailingTokenAndNameTheCalledWorkspace) {
    ASSERT_EQ(cli_test::run({"-e", "ok=1", "-e", "zero(0,1)", "--save", "Bad.ovw"}, "", dir).status,
              0);
    Terminal t({"--script-dir", dir}, dir, environment);
    ASSERT_TRUE(t.waitFor("orvana> ")) << t.transcript();
    // The caret stands under the token, past the 8 columns of the prompt:
    // the spaces in front of the first "^" after the typed line.
    const auto caretColumn = [&t](const std::string& typed) {
        const std::string& all = t.transcript();
        const size_t caret = all.find('^', all.find(typed));
        if (caret == std::string::npos) return size_t(0);
        size_t spaces = 0;
        while (spaces < caret && all[caret - spaces - 1] == ' ') ++spaces;
        return spaces;
    };
    t.send("a=  3 + q\n");
    EXPECT_TRUE(t.waitFor("Error: Unrecognized symbol")) << t.transcript();
    EXPECT_EQ(caretColumn("a=  3 + q"), 16u) << t.transcript();
    t.send("inv(1\n");
    EXPECT_TRUE(t.waitFor("Error: Missing parenthesis")) << t.transcript();
    EXPECT_EQ(caretColumn("inv(1"), 13u) << t.transcript();
    t.send("Bad(1)\n");
    EXPECT_TRUE(t.waitFor("Error: Invalid parameter value")) << t.transcript();
    EXPECT_TRUE(t.waitFor("in Workspace Bad, block 2: zero(0,1)")) << t.transcript();
    // The next line starts clean: nothing is said about the earlier failure.
    t.send("ok*2\n");
    EXPECT_TRUE(t.waitFor("2.0000")) << t.transcript();
    t.send(":quit\n");
    EXPECT_EQ(t.finish(false), 0) << t.transcript();
    const std::string& all = t.transcript();
    EXPECT_EQ(all.find("in Workspace", all.find("ok*2")), std::string::npos) << all;
}

TEST_F(CliTerminal, HistoryIsKeptBetweenSessions) {
    {
        Terminal t({}, dir, environment);
        ASSERT_TRUE(t.waitFor("orvana> ")) << t.transcript();
        t.send("6*7\n");
        ASSERT_TRUE(t.waitFor("42.000")) << t.transcript();
        ASSERT_TRUE(t.waitFor("orvana> ")) << t.transcript();
        EXPECT_EQ(t.finish(), 0);
    }
    const std::string text = cli_test::readFile(dir + "/state/orvana/history");
    EXPECT_NE(text.find("6*7"), std::string::npos) << text;

    Terminal t({}, dir, environment);
    ASSERT_TRUE(t.waitFor("orvana> ")) << t.transcript();
    t.send("\x1b[A\n");  // Up, then Enter: the line of the last session again
    EXPECT_TRUE(t.waitFor("42.000")) << t.transcript();
    ASSERT_TRUE(t.waitFor("orvana> ")) << t.transcript();
    EXPECT_EQ(t.finish(), 0);
}
