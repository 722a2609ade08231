// orvana-cli with the program's modules beside it: the Advanced functions
// answer from the command line, and their failures show this library's
// messages.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

namespace {
#ifdef ORVANA_CLI_PATH

// Runs orvana-cli with the arguments and gives what it wrote.
std::string runCli(const std::string& arguments) {
    const std::string command = std::string(ORVANA_CLI_PATH) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return {};
    std::string out;
    std::array<char, 4096> buffer{};
    size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) out.append(buffer.data(), n);
    pclose(pipe);
    return out;
}

// The answer lines printed under a block's text.
std::string answerOf(const std::string& out, const std::string& line) {
    const size_t at = out.find(line + "\n");
    if (at == std::string::npos) return "(block not found)";
    const size_t start = at + line.size() + 1;
    const size_t end = out.find("\n\n", start);
    std::string answer = out.substr(start, end - start);
    std::string compact;
    for (char c : answer)
        if (c != ' ' && c != '\t') compact += c == '\n' ? ';' : c;
    return compact;
}

TEST(AdvancedFromTheCommandLine, Answers) {
    const std::string out = runCli(
        "--format 0x010E -e 'roots(1,-3,2)' -e 'eig({2,0|0,3})' -e 'integ(\"x^2\",0,3)' "
        "-e 'solve(\"x^2-2\",0,2)' -e 'solve(\"x^2+1\",-1,1)' -e 'roots(5)' "
        "-e 'lti(1,0,1,\"0\",{1})' -e 'eig({1,2})' -e 'integ(\"sin(x)\",0,pi,1E-10)' "
        "-e 'integ(\"ln(x)\",0,1)'");
    EXPECT_EQ(answerOf(out, "roots(1,-3,2)"), "1.0000000000000E+000;2.0000000000000E+000");
    EXPECT_EQ(answerOf(out, "eig({2,0|0,3})"), "2.0000000000000E+000;3.0000000000000E+000");
    EXPECT_EQ(answerOf(out, "integ(\"x^2\",0,3)"), "9.0000000000000E+000");
    EXPECT_EQ(answerOf(out, "integ(\"sin(x)\",0,pi,1E-10)"), "2.0000000000000E+000");
    // ln has no value at 0: the integral fails with that evaluation's code.
    EXPECT_EQ(answerOf(out, "integ(\"ln(x)\",0,1)"), "Error:Invalidparametervalue");
    EXPECT_EQ(answerOf(out, "solve(\"x^2-2\",0,2)"), "1.4142135623731E+000");
    EXPECT_EQ(answerOf(out, "solve(\"x^2+1\",-1,1)"), "Error:Boundsdonotbracketasingleroot");
    EXPECT_EQ(answerOf(out, "roots(5)"), "Error:Cannotfindanyroot");
    EXPECT_EQ(answerOf(out, "lti(1,0,1,\"0\",{1})"), "Error:Wrongnumberofinitialconditions");
    EXPECT_EQ(answerOf(out, "eig({1,2})"), "Error:Incompatiblematrices");
}
#endif

}  // namespace
