// The Workspace as plain text.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/engine_state.h"
#include "engine/block_list.h"
#include "engine/text_export.h"
#include "engine/variables.h"
#include "scripted_backend.h"

using engine::BlockList;
using engine::exportBlocks;
using engine::ExportOptions;

namespace {

// EXE of a line on the last block.
void type(BlockList& list, const std::u16string& text) {
    list.execute(list.count() - 1, text);
    list.appendEmpty();
}

ExportOptions lf(bool answers = true) {
    ExportOptions o;
    o.answers = answers;
    o.lineEnd = "\n";
    return o;
}

}  // namespace

TEST(TextExport, BlocksWithTheirAnswers) {
    engine::engineState().reset();
    BlockList list;
    type(list, u"1+1");
    EXPECT_EQ(exportBlocks(list, ExportOptions{}),
              "--------------------------------R\r\n1+1\r\n    \t 2.0000\r\n\r\n"
              "--------------------------------R\r\n\r\n\r\n");

    list.block(1).setDegrees(true);
    list.block(1).setNote(u"sizes");
    type(list, u"{1,2|3,4}/2");
    type(list, u"\"hello\"");
    type(list, u"inv({1,2|2,4})");
    type(list, u"*note");
    const std::string text = exportBlocks(list, lf());
    EXPECT_NE(text.find("--sizes-------------------------D\n{1,2|3,4}/2\n"
                        "    \t 0.50000\t 1.0000\n    \t 1.5000\t 2.0000\n\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\"hello\"\n\thello\n\n"), std::string::npos) << text;
    EXPECT_NE(text.find("inv({1,2|2,4})\n    \tError: Matrix singular or near sing.\n\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("*note\n\n"), std::string::npos) << text;
}

TEST(TextExport, FormatsPolarFormAndTextsOnly) {
    engine::engineState().reset();
    BlockList list;
    type(list, u"3+4*i");
    ExportOptions o = lf();
    o.formatCode = 0x0000;
    EXPECT_EQ(exportBlocks(list, o).substr(34),
              "3+4*i\n    \t 3+4i\n\n--------------------------------R\n\n\n");
    o.polar = true;
    o.formatCode = 0x0005;
    EXPECT_NE(exportBlocks(list, o).find("\t 5.0000@0.92730\xC2\xB0\n"), std::string::npos);
    EXPECT_EQ(exportBlocks(list, lf(false)), "3+4*i\n\n");
}

TEST(TextExport, AsksAboutAnswersAndWritesTheFile) {
    engine::engineState().reset();
    BlockList list;
    type(list, u"2*3");
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("export-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string path = (dir / "w.txt").string();
    const std::u16string path16(path.begin(), path.end());

    orvana::testing::ScriptedBackend ui;
    ui.queueMessageBoxAnswer(PLATFORM_IDNO);
    ASSERT_TRUE(engine::exportText(list, path16.c_str(), 0x0005, false, nullptr));
    ASSERT_EQ(ui.messageBoxes().size(), 1u);
    EXPECT_EQ(ui.messageBoxes()[0].caption, u"Save as Text");
    EXPECT_EQ(ui.messageBoxes()[0].style & PLATFORM_MB_BUTTON_MASK, PLATFORM_MB_YESNO);
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    EXPECT_EQ(content.str(), "2*3\r\n\r\n");

    const std::u16string bad = u"/no/such/folder/w.txt";
    EXPECT_FALSE(engine::exportText(list, bad.c_str(), 0x0005, false, nullptr));
    fs::remove_all(dir);
}
