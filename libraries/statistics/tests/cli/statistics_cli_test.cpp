// The Statistics edge cases end to end: lines fed to orvana-cli, which loads
// the module from its own folder as the program does, and the answers it
// prints.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Block {
    std::string text;
    std::string answer;  // answer lines without their indentation, joined by "|"
};

// Runs the lines as the blocks of one session and splits the export into
// blocks.
std::vector<Block> runBlocks(const std::vector<std::string>& lines) {
    const auto input = std::filesystem::temp_directory_path() /
                       ("statistics-cli-" + std::to_string(getpid()) + ".txt");
    {
        std::ofstream out(input, std::ios::binary);
        for (const std::string& line : lines) out << line << "\n";
    }
    const std::string command = std::string(ORVANA_CLI_PATH) + " " + input.string() + " 2>&1";
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) output.append(buffer.data(), n);
    EXPECT_EQ(pclose(pipe), 0) << output;
    std::filesystem::remove(input);

    std::vector<Block> blocks;
    std::istringstream in(output);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("----", 0) == 0) {
            blocks.emplace_back();
            std::getline(in, blocks.back().text);
            continue;
        }
        if (blocks.empty() || line.empty()) continue;
        const size_t start = line.find_first_not_of(" \t");
        std::string& answer = blocks.back().answer;
        if (!answer.empty()) answer += "|";
        answer += start == std::string::npos ? "" : line.substr(line.find('\t') + 1);
    }
    return blocks;
}

struct Expectation {
    std::string line;
    std::string answer;
};

void expectAnswers(const std::vector<Expectation>& expected) {
    std::vector<std::string> lines;
    for (const Expectation& e : expected) lines.push_back(e.line);
    const std::vector<Block> blocks = runBlocks(lines);
    ASSERT_GE(blocks.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(blocks[i].text, expected[i].line);
        EXPECT_EQ(blocks[i].answer, expected[i].answer) << expected[i].line;
    }
}

TEST(StatisticsCli, DataOperatorEdgeCases) {
    expectAnswers({
        {"avg({1,2,3})", " 2.0000"},
        {"avg({1|2|3})", " 2.0000"},
        {"avg({1,2|3,4})", " 2.0000\t 3.0000"},
        {"std({4,4})", " 0.0000"},
        {"std(5)", " 0.0000"},
        {"lsq({2,1|2,5|2,7})", "Error: Infinite slope"},
        {"lsq({1,2})", "Error: Data Matrix contains a single value"},
        {"5!", " 120.00"},
        {"169!", "Error: Value out of bounds"},
        {"(2+i)!", "Error: Not supported on data type"},
        {"V:{0,1,2,3}!", " 1.0000\t 1.0000\t 2.0000\t 6.0000"},
        {"pairtest()", "Error: Wrong # of parameters"},
        {"clrv(\"e\")", "e"},
        {"sx(\"e\")", "Error: Empty Data Matrix"},
        {"sdtest(\"nosuch\")", "Error: Value out of bounds"},
        {"sort({3,1,2},1)", " 1.0000\t 2.0000\t 3.0000"},
    });
}

TEST(StatisticsCli, AppendingToANewVariableLeavesNoGaps) {
    // What the store-line key makes of typed lines: store(rows + 1,"m",...).
    expectAnswers({
        {"store(num(\"m\")+1,\"m\",5)", "Error: Value out of bounds"},
        {"clrv(\"m\")", "m"},
        {"store(num(\"m\")+1,\"m\",5)", " 1.0000"},
        {"store(num(\"m\")+1,\"m\",7)", " 2.0000"},
        {"store(num(\"m\")+1,\"m\",9)", " 3.0000"},
        {"m", " 1.0000\t 5.0000| 2.0000\t 7.0000| 3.0000\t 9.0000"},
        {"lsq(\"m\")", " 2.0000\t 3.0000\t 1.0000"},
    });
}

TEST(StatisticsCli, DistributionEdgeCases) {
    expectAnswers({
        {"norm(0,0,1)", " 0.50000"},
        {"invnorm(0.975,0,1)", " 1.9600"},
        {"tdist(0,5)", " 0.50000"},
        {"chi(0,3)", " 0.0000"},
        {"bindist(2,4,0.5)", " 0.68750"},
        {"invbindist(0.6875,4,0.5)", " 2.0000"},
        {"comb(5,2)", " 10.000"},
        {"perm(5,2)", " 20.000"},
        {"invfdist(0.999,1,1)", " 4.0528E+005"},
        {"invtdist(0.9999,1)", " 3183.1"},
        {"tdist(1,0)", "Error: Invalid parameter value"},
        {"norm(1,0,0)", "Error: Invalid parameter value"},
        {"norm({1,2},0,1)", "Error: Incompatible data types"},
    });
}

}  // namespace
