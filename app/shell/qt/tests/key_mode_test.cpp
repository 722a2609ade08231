// The window's key mode, end to end through the built program.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <cstdio>
#include <string>

namespace {

struct ProgramRun {
    int status;
    std::string out;
};

// Runs the program with the arguments (already quoted for the shell) in a
// per-user folder of its own.
ProgramRun orvana(const QTemporaryDir& config, const std::string& arguments) {
    const std::string command = "XDG_CONFIG_HOME='" + config.path().toStdString() +
                                "' QT_QPA_PLATFORM=offscreen '" ORVANA_PROGRAM_PATH "' " +
                                arguments + " 2>/dev/null";
    ProgramRun run{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    run.status = pclose(pipe);
    return run;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(KeyMode, TypesKeysAndExportsTheAnswers) {
    QTemporaryDir config;
    const ProgramRun run = orvana(config, "--keys '2+3{Enter}{1,2|3,4}*2{Enter}' --export -");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(contains(run.out, "2+3\n    \t 5")) << run.out;
    EXPECT_TRUE(contains(run.out, "{1,2|3,4}*2\n")) << run.out;
    EXPECT_TRUE(contains(run.out, "\t 8")) << run.out;
    // Key mode leaves the user's files alone.
    EXPECT_FALSE(QFileInfo::exists(config.path() + "/orvana/default.ovw"));
    EXPECT_FALSE(QFileInfo::exists(config.path() + "/orvana/prefs.prf"));
}

TEST(KeyMode, DialogsTakeTheirAnswersFromTheList) {
    QTemporaryDir config;
    const std::string folder = config.path().toStdString();
    // Save... with a typed path, keeping the lower-case name; Format... as
    // Fixed with 2 digits.
    const ProgramRun run =
        orvana(config, "--keys '1/3{Enter}{Cmd:40060}{Cmd:40102}' --export - --answers '" + folder +
                           "/total,no,Fixed,2 digits,1 Row'");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(QFileInfo::exists(config.path() + "/total.ovw"));
    EXPECT_FALSE(QFileInfo::exists(config.path() + "/Total.ovw"));
    EXPECT_TRUE(contains(run.out, "0.33")) << run.out;
    EXPECT_FALSE(contains(run.out, "0.333")) << run.out;
}

TEST(KeyMode, LibraryKeysOnPageTwoAndAScreenshotAtScaleTwo) {
    QTemporaryDir config;
    const QString png = config.path() + "/window.png";
    const ProgramRun run = orvana(config, "--scale 2 --keys '{F9}{F9}1{Enter}' --export - --screenshot '" +
                                       png.toStdString() + "'");
    EXPECT_EQ(run.status, 0);
    // Page 2's key 1 of the first library inserted something that ran.
    EXPECT_FALSE(contains(run.out, "--------------------------------R\n\n    ")) << run.out;
    const QImage picture(png);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.width(), 480);
    EXPECT_GE(picture.height(), 532);
}

TEST(KeyMode, ExitSavesTheWorkspaceAsTheWindowDoes) {
    QTemporaryDir config;
    const ProgramRun run = orvana(config, "--keys '7*6{Enter}{Cmd:40027}'");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(QFileInfo::exists(config.path() + "/orvana/default.ovw"));
    EXPECT_TRUE(QFileInfo::exists(config.path() + "/orvana/prefs.prf"));
    // The next start opens it again.
    const ProgramRun again = orvana(config, "--keys '' --export -");
    EXPECT_TRUE(contains(again.out, "7*6\n    \t 42")) << again.out;
}

TEST(KeyMode, AnswersAreTakenByTheQuestionsAsked) {
    QTemporaryDir config;
    // "All Below" asks before deleting: "no" keeps the blocks, "yes" deletes.
    const ProgramRun kept = orvana(config, "--keys '1{Enter}2{Enter}{Up}{Up}{Cmd:40079}' --answers no "
                                    "--export -");
    EXPECT_TRUE(contains(kept.out, "\n2\n")) << kept.out;
    const ProgramRun deleted = orvana(config, "--keys '1{Enter}2{Enter}{Up}{Up}{Cmd:40079}' --answers yes "
                                       "--export -");
    EXPECT_FALSE(contains(deleted.out, "\n2\n")) << deleted.out;
}

TEST(KeyMode, BadOptionsAreRefused) {
    QTemporaryDir config;
    EXPECT_NE(orvana(config, "--scale 7 --keys ''").status, 0);
    EXPECT_NE(orvana(config, "--export -").status, 0);
    EXPECT_NE(orvana(config, "--frobnicate").status, 0);
}

}  // namespace
