// orvana-cli's graph options end to end: marking blocks, the range, the range
// commands and the curve data written as CSV.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct CliResult {
    int status;
    std::string out;
};

CliResult runCli(const std::string& args, bool withErrors = true) {
    const std::string command =
        std::string(ORVANA_CLI_PATH) + " " + args + " < /dev/null" + (withErrors ? " 2>&1" : "");
    CliResult result{0, ""};
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

struct Point {
    int curve;
    int block;
    int colour;
    double x;
    bool gap;
    double y;
    int line;
    int mark;
    int pen;  // -1 when the curve has no pen bytes
    std::string label;
};

// The label field: plain, or quoted with doubled quotes.
std::string labelField(const char* s) {
    if (*s != '"') return s;
    std::string out;
    for (++s; *s != 0; ++s) {
        if (*s == '"' && s[1] == '"') ++s;
        else if (*s == '"') break;
        out += *s;
    }
    return out;
}

// The CSV part of the output: from its header line to the end.
std::vector<Point> parseCurves(const std::string& out) {
    std::vector<Point> points;
    const size_t start = out.find("curve,block,colour,x,y,line,mark,pen,label\n");
    EXPECT_NE(start, std::string::npos) << out;
    if (start == std::string::npos) return points;
    std::istringstream in(out.substr(start));
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        Point p{};
        char* end = nullptr;
        const char* s = line.c_str();
        p.curve = int(std::strtol(s, &end, 10));
        p.block = int(std::strtol(end + 1, &end, 10));
        p.colour = int(std::strtol(end + 1, &end, 10));
        p.x = std::strtod(end + 1, &end);
        EXPECT_EQ(*end, ',') << line;
        p.gap = end[1] == ',';
        p.y = p.gap ? 0.0 : std::strtod(end + 1, &end);
        if (p.gap) ++end;
        EXPECT_EQ(*end, ',') << line;
        p.line = int(std::strtol(end + 1, &end, 10));
        p.mark = int(std::strtol(end + 1, &end, 10));
        EXPECT_EQ(*end, ',') << line;
        p.pen = end[1] == ',' ? -1 : int(std::strtol(end + 1, &end, 10));
        if (p.pen == -1) ++end;
        EXPECT_EQ(*end, ',') << line;
        p.label = labelField(end + 1);
        points.push_back(p);
    }
    return points;
}

bool moduleBuilt(const char* name) {
    return std::filesystem::exists(std::filesystem::path(ORVANA_CLI_PATH).parent_path() / name);
}

TEST(CliGraph, CurvesFollowTheBlocksAfterTheExport) {
    const CliResult r = runCli("-e 'x*x/4' -e '5' --graph 1 --graph 2:3 --curves -");
    EXPECT_EQ(r.status, 0) << r.out;
    // The export comes first, unchanged by the sampling.
    EXPECT_EQ(r.out.rfind("--------------------------------R\nx*x/4\n    \t 0.0000\n", 0), 0u)
        << r.out;
    const std::vector<Point> points = parseCurves(r.out);
    ASSERT_EQ(points.size(), 480u);
    // Curves go from the last graphed block to the first.
    for (int i = 0; i < 240; ++i) {
        EXPECT_EQ(points[i].curve, 1);
        EXPECT_EQ(points[i].block, 2);
        EXPECT_EQ(points[i].colour, 3);
        EXPECT_DOUBLE_EQ(points[i].y, 5.0);
        // A sampled curve: joined points, no marks, no pen bytes, no label.
        EXPECT_EQ(points[i].line, 1);
        EXPECT_EQ(points[i].mark, 0);
        EXPECT_EQ(points[i].pen, -1);
        EXPECT_EQ(points[i].label, "");
        const Point& q = points[240 + i];
        EXPECT_EQ(q.block, 1);
        EXPECT_NEAR(q.x, (i - 120.0) / (240.0 / 36.0), 1e-13);
        EXPECT_NEAR(q.y, q.x * q.x / 4, 1e-12);
    }
}

TEST(CliGraph, RangeCommandsAndGaps) {
    CliResult r = runCli("-e '=3' -e '1/x' --graph 1 --graph 2 --range 0,2.4,-1,1 --curves -");
    std::vector<Point> points = parseCurves(r.out);
    ASSERT_EQ(points.size(), 480u);
    EXPECT_DOUBLE_EQ(points[0].x, 0.0);
    EXPECT_DOUBLE_EQ(points[239].x, 2.39);
    for (int i = 240; i < 480; ++i) EXPECT_TRUE(points[i].gap) << "the syntax error";

    // zoom-in halves the x range about the centre; default-axes goes back.
    r = runCli("-e 'x' --graph 1 --range 0,8,-1,1 --graph-command zoom-in --curves -");
    points = parseCurves(r.out);
    ASSERT_EQ(points.size(), 240u);
    EXPECT_NEAR(points[0].x, 2.0, 1e-12);
    EXPECT_NEAR(points[239].x, 6.0 - 4.0 / 240, 1e-12);
    r = runCli(
        "-e 'x' --graph 1 --range 0,8,-1,1 --graph-command zoom-in "
        "--graph-command default-axes --curves -");
    points = parseCurves(r.out);
    EXPECT_NEAR(points[0].x, -18.0, 1e-12);
    // autoscale fits the data, so its x range stays the sampled one.
    r = runCli("-e 'x' --graph 1 --range 0,8,-1,1 --graph-command autoscale --curves -");
    points = parseCurves(r.out);
    EXPECT_NEAR(points[0].x, 0.0, 1e-12);
    EXPECT_NEAR(points[239].x, (8.0 - 8.0 / 240) * 239 / 240, 1e-9);
}

TEST(CliGraph, CurvesToAFile) {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("curves-" + std::to_string(getpid()) + ".csv"))
            .string();
    const CliResult r = runCli("-e '2' --graph 1:7 --curves " + path);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.find("curve,block"), std::string::npos) << "not on standard output";
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    const std::vector<Point> points = parseCurves(text.str());
    ASSERT_EQ(points.size(), 240u);
    EXPECT_EQ(points[5].colour, 7);
    std::filesystem::remove(path);

    const CliResult bad = runCli("-e '2' --graph 1 --curves /no/such/folder/c.csv");
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.out.find("orvana-cli: cannot write /no/such/folder/c.csv"), std::string::npos);
}

TEST(CliGraph, BadGraphOptionsExitWithTwo) {
    for (const char* args :
         {"--graph", "--graph 0", "--graph x", "--graph 1:8", "--graph 1:0",
          "--graph 1:", "--graph -1", "--range 1,2,3", "--range 1,2,3,4,5", "--range a,b,c,d",
          "--range ,,,", "--curves", "--graph-command zoom", "--graph-command", "-e 1 --graph 3"}) {
        const CliResult r = runCli(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.out.find("orvana-cli: "), std::string::npos) << args;
        EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << args << ": one line only";
    }
    const CliResult help = runCli("--help");
    EXPECT_NE(help.out.find("--graph-command NAME"), std::string::npos);
}

TEST(CliGraph, SineWithTheScientificKeypad) {
    if (!moduleBuilt("Scientific.so")) GTEST_SKIP() << "Scientific.so is not built";
    const CliResult r = runCli("-e 'sin(x)' --graph 1 --curves -", false);
    const std::vector<Point> points = parseCurves(r.out);
    ASSERT_EQ(points.size(), 240u) << r.out;
    for (const Point& p : points) {
        ASSERT_FALSE(p.gap);
        EXPECT_NEAR(p.y, std::sin(p.x), 1e-15) << p.x;
    }
}

TEST(CliGraph, RungeKuttaCurveFollowsTheExponential) {
    if (!moduleBuilt("Advanced.so")) GTEST_SKIP() << "Advanced.so is not built";
    const CliResult r = runCli("-e 'rk(\"y\",1)' --graph 1 --range 0,1,0,3 --curves -", false);
    const std::vector<Point> points = parseCurves(r.out);
    ASSERT_EQ(points.size(), 240u) << r.out;
    const double h = 1.0 / 240;
    for (const Point& p : points) {
        // The value shown at x is the solution one step further on; the
        // classical fourth-order step's error grows like h^4 per step.
        EXPECT_NEAR(p.y, std::exp(p.x + h), 1e-9) << p.x;
    }
}

TEST(CliGraph, GraphingTracesCarryPenBytesMarksAndLabels) {
    if (!moduleBuilt("graphing.so")) GTEST_SKIP() << "graphing.so is not built";
    const CliResult r = runCli(
        "-e 'cleargraph()' -e 'moveto(0,0)' -e 'lineto(1,1)' -e 'lineto(2,0)' "
        "-e 'drawgraph(\"-\",\"pen, path\")' -e 'plot({0,5|1,6|2,7},\"#t\")' "
        "-e 'label(1,2,\"say \",\"b\")' --graph 5 --graph 6 --graph 7 --curves -",
        false);
    const std::vector<Point> points = parseCurves(r.out);
    ASSERT_EQ(points.size(), 7u) << r.out;
    // From the last graphed block to the first: the label, the plot, the path.
    EXPECT_EQ(points[0].block, 7);
    EXPECT_EQ(points[0].mark, 10);
    EXPECT_EQ(points[0].colour, 4);
    EXPECT_EQ(points[0].label, "say ");
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(points[i].block, 6);
        EXPECT_EQ(points[i].line, 0);
        EXPECT_EQ(points[i].mark, 3);
        EXPECT_EQ(points[i].colour, 6);
        EXPECT_EQ(points[i].pen, -1);
        EXPECT_DOUBLE_EQ(points[i].x, i - 1);
        EXPECT_DOUBLE_EQ(points[i].y, i + 4);
    }
    const int pens[] = {0, 1, 1};
    for (int i = 0; i < 3; ++i) {
        const Point& p = points[4 + i];
        EXPECT_EQ(p.block, 5);
        EXPECT_EQ(p.line, 1);
        EXPECT_EQ(p.mark, 0);
        EXPECT_EQ(p.pen, pens[i]);
        EXPECT_EQ(p.label, "pen, path");
    }
}

}  // namespace
