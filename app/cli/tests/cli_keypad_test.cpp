// orvana-cli with the keypad libraries beside it: Scientific and Hexadecimal
// names resolve, their rules hold end to end, their failures show the
// messages of the routed codes.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace {

// The output and exit status of orvana-cli with these arguments (standard
// error included).
std::string runCli(const std::string& args, int* status = nullptr) {
    const std::string command = std::string(ORVANA_CLI_PATH) + " " + args + " < /dev/null 2>&1";
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) out.append(buffer.data(), n);
    const int s = pclose(pipe);
    if (status != nullptr) *status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    return out;
}

// The answer line orvana-cli prints for one expression in the plain format.
std::string answer(const std::string& expression, bool degrees = false) {
    std::string quoted = "'";
    for (char c : expression) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    quoted += "'";
    const std::string out =
        runCli(std::string("--format 0 ") + (degrees ? "--deg " : "") + "-e " + quoted);
    const std::string head = expression + "\n    \t";
    const size_t at = out.find(head);
    if (at == std::string::npos) return "(no answer) " + out;
    const size_t start = at + head.size();
    return out.substr(start, out.find('\n', start) - start);
}

TEST(CliKeypads, TheLibrariesBesideTheProgramAreLoadedQuietly) {
    int status = -1;
    const std::string out = runCli("-e 'sin(30)' --deg", &status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(out.find("sin(30)\n    \t 0.50000\n"), std::string::npos) << out;
    EXPECT_EQ(out.find("left out"), std::string::npos) << out;
    EXPECT_EQ(answer("0xF0_AND_0x3C"), " 48");
}

TEST(CliKeypads, ScientificRules) {
    const struct {
        const char* expression;
        bool degrees;
        const char* answer;
    } rows[] = {
        {"sin(30)", true, " 0.5"},
        {"sin(180)", true, " 0"},
        {"cos(90)", true, " 0"},
        {"sin(pi)", false, " 0"},
        {"sin(45)", true, " 0.70710678118655"},
        {"asin(2)", true, " 1.570796-1.316958i"},
        {"sqrt(-4)", false, " 2i"},
        {"(-8)^(1/3)", false, "-2"},
        {"nrt(-8,3)", false, "-2"},
        {"(-8)^0.25", false, " 1.189207+1.189207i"},
        {"(-2)^3", false, "-8"},
        {"(-1)^0.5", false, " 1i"},
        {"2@90", true, " 2i"},
        {"2@45", true, " 1.414214+1.414214i"},
        {"arg(i)", true, " 90.000000000028"},
        {"arg(-1)", false, " 3.1415926535898"},
        {"abs({3+4i,-2})", false, " 5\t 2"},
        {"V:sin({0,90})", true, " 0\t 1"},
        {"sin({0,90})", true, "Error: Not supported on data type"},
        {"ln(0)", false, "Error: Invalid parameter value"},
        {"atan(i)", false, "Error: Divide by zero"},
        {"conj(\"a\")", false, "Error: Incompatible data types"},
        {"V:sin(\"a\")", false, "Error: Incompatible data types"},
        {"3\xC2\xB2+2\xC2\xB3", false, " 17"},
        {"{1,2|3,4}\xC2\xB2", false, " 7\t 10\n    \t 15\t 22"},
        {"rect(2,90)", true, " 1.2246467991474E-016\n    \t 2"},
        {"polar(1,1)", true, " 1.4142135623731\n    \t 45"},
        {"atanyx(1,-1)", true, " 135"},
        {"deg(pi)", false, " 180"},
        {"exp(0)+log(100)+ln(1)", false, " 3"},
        {"2^-1", false, " 0.5"},
    };
    for (const auto& row : rows) {
        std::string expected = row.answer;
        std::string got = answer(row.expression, row.degrees);
        // Matrices span several lines; compare as many as expected.
        if (expected.find('\n') != std::string::npos) {
            const std::string out =
                runCli(std::string("--format 0 ") + (row.degrees ? "--deg " : "") + "-e '" +
                       row.expression + "'");
            got = out.find(expected) != std::string::npos ? expected : out;
        }
        EXPECT_EQ(got, expected) << row.expression;
    }
}

TEST(CliKeypads, HexadecimalRules) {
    const struct {
        const char* expression;
        const char* answer;
    } rows[] = {
        {"0xF0_AND_0x3C", " 48"},
        {"0xF0_OR_0x0F", " 255"},
        {"0xFF_XOR_0x0F", " 240"},
        {"_NOT_0", " 4294967295"},
        {"1\xC2\xAB"
         "31",
         " 2147483648"},
        {"1\xC2\xAB"
         "32",
         " 0"},
        {"1\xC2\xAB"
         "256",
         " 1"},
        {"0x80000000\xC2\xBB"
         "31",
         " 1"},
        {"V:{1,2,4}\xC2\xAB"
         "1",
         " 2\t 4\t 8"},
        {"2.9_AND_3", " 2"},
        {"{1,2}_AND_3", "Error: Not supported on data type"},
        {"V:{1,2}_AND_{1,2,3}", "Error: Incompatible data types"},
        {"1+0x0F_AND_0x3C", " 16"},  // level 1, left to right: (1+15) AND 60
    };
    for (const auto& row : rows) EXPECT_EQ(answer(row.expression), row.answer) << row.expression;
}

}  // namespace
